package com.mobileclient.util;

import java.util.Map;

// Test-only stand-in with the signatures that the template project's data-layer classes
// promise; used only while the template project still holds the placeholder HttpUtil.
public class HttpUtil {
	public static final String BASE_URL = System.getProperty("mobileclient.baseUrl", "http://127.0.0.1:8080/");
	public static final String FILE_PATH = "/sdcard/mobileclient";

	public static byte[] SendPostRequest(String url, Map<String, String> params, String encoding) throws Exception {
		throw new UnsupportedOperationException("test stand-in");
	}

	public static String uploadFile(String fileName) throws Exception {
		throw new UnsupportedOperationException("test stand-in");
	}
}
