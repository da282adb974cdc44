package com.mobileclient.service;

import java.io.InputStreamReader;
import java.net.URL;
import java.net.URLEncoder;
import java.sql.Timestamp;
import java.text.SimpleDateFormat;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;

import javax.xml.parsers.SAXParser;
import javax.xml.parsers.SAXParserFactory;

import org.json.JSONArray;
import org.json.JSONObject;
import org.xml.sax.InputSource;
import org.xml.sax.XMLReader;

import com.mobileclient.domain.Profile;
import com.mobileclient.handler.ProfileListHandler;
import com.mobileclient.util.HttpUtil;

/*档案管理业务逻辑层*/
public class ProfileService {
	/* 添加档案 */
	public String AddProfile(Profile profile) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("trip", profile.getTrip());
		params.put("level", profile.getLevel() + "");
		params.put("since", profile.getSince().toString());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ProfileServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询档案 */
	public List<Profile> QueryProfile(Profile queryConditionProfile) throws Exception {
		String urlString = HttpUtil.BASE_URL + "ProfileServlet?action=query";
		if(queryConditionProfile != null) {
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		ProfileListHandler profileListHander = new ProfileListHandler();
		xr.setContentHandler(profileListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Profile> profileList = profileListHander.getProfileList();
		return profileList;
	}
	/* 更新档案 */
	public String UpdateProfile(Profile profile) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("trip", profile.getTrip());
		params.put("level", profile.getLevel() + "");
		params.put("since", profile.getSince().toString());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ProfileServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除档案 */
	public String DeleteProfile(String trip) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("trip", trip);
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ProfileServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "档案信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据行程获取档案对象 */
	public Profile GetProfile(String trip) throws Exception {
		List<Profile> profileList = new ArrayList<Profile>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("trip", trip);
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ProfileServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Profile profile = new Profile();
				profile.setTrip(object.getString("trip"));
				profile.setLevel((float) object.getDouble("level"));
				profile.setSince(Timestamp.valueOf(object.getString("since")));
				profileList.add(profile);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = profileList.size();
		if(size>0) return profileList.get(0); 
		else return null; 
	}
}
