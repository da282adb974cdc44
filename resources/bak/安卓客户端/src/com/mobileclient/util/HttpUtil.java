package com.mobileclient.util;

public class HttpUtil {
	public static final String BASE_URL = "http://127.0.0.1:8080/";
}
