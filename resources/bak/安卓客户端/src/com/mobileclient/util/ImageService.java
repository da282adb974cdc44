package com.mobileclient.util;

import java.net.HttpURLConnection;

/* Fetches pictures stored on the server. */
public class ImageService {
	/* Answers the bytes at the address (a GET); a status outside 200-299 is an IOException. */
	public static byte[] getImage(String path) throws Exception {
		HttpURLConnection connection = HttpUtil.open(path);
		try {
			connection.setRequestMethod("GET");
			return HttpUtil.readResponse(connection);
		} finally {
			connection.disconnect();
		}
	}
}
