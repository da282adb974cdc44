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

import com.mobileclient.domain.Badge;
import com.mobileclient.handler.BadgeListHandler;
import com.mobileclient.util.HttpUtil;

/*徽章管理业务逻辑层*/
public class BadgeService {
	/* 添加徽章 */
	public String AddBadge(Badge badge) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("badgePic", badge.getBadgePic());
		params.put("label", badge.getLabel());
		params.put("category", badge.getCategory());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BadgeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询徽章 */
	public List<Badge> QueryBadge(Badge queryConditionBadge) throws Exception {
		String urlString = HttpUtil.BASE_URL + "BadgeServlet?action=query";
		if(queryConditionBadge != null) {
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		BadgeListHandler badgeListHander = new BadgeListHandler();
		xr.setContentHandler(badgeListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Badge> badgeList = badgeListHander.getBadgeList();
		return badgeList;
	}
	/* 更新徽章 */
	public String UpdateBadge(Badge badge) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("badgePic", badge.getBadgePic());
		params.put("label", badge.getLabel());
		params.put("category", badge.getCategory());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BadgeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除徽章 */
	public String DeleteBadge(String badgePic) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("badgePic", badgePic);
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BadgeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "徽章信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据徽章图获取徽章对象 */
	public Badge GetBadge(String badgePic) throws Exception {
		List<Badge> badgeList = new ArrayList<Badge>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("badgePic", badgePic);
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BadgeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Badge badge = new Badge();
				badge.setBadgePic(object.getString("badgePic"));
				badge.setLabel(object.getString("label"));
				badge.setCategory(object.getString("category"));
				badgeList.add(badge);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = badgeList.size();
		if(size>0) return badgeList.get(0); 
		else return null; 
	}
}
