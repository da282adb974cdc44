package com.mobileclient.util;

// Test-only stand-in with the signature that the template project's ImageService promises.
public class ImageService {
	public static byte[] getImage(String path) throws Exception {
		throw new UnsupportedOperationException("test stand-in");
	}
}
