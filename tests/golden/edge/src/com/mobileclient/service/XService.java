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

import com.mobileclient.domain.X;
import com.mobileclient.handler.XListHandler;
import com.mobileclient.util.HttpUtil;

/*某"甲"\\管理业务逻辑层*/
public class XService {
	/* 添加某"甲"\\ */
	public String AddX(X x) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("a", x.getA() + "");
		params.put("t", x.getT());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "XServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询某"甲"\\ */
	public List<X> QueryX(X queryConditionX) throws Exception {
		String urlString = HttpUtil.BASE_URL + "XServlet?action=query";
		if(queryConditionX != null) {
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		XListHandler xListHander = new XListHandler();
		xr.setContentHandler(xListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<X> xList = xListHander.getXList();
		return xList;
	}
	/* 更新某"甲"\\ */
	public String UpdateX(X x) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("a", x.getA() + "");
		params.put("t", x.getT());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "XServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除某"甲"\\ */
	public String DeleteX(int a) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("a", a + "");
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "XServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "某\"甲\"\\信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据获取某"甲"\\对象 */
	public X GetX(int a) throws Exception {
		List<X> xList = new ArrayList<X>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("a", a + "");
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "XServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				X x = new X();
				x.setA(object.getInt("a"));
				x.setT(object.getString("t"));
				xList.add(x);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = xList.size();
		if(size>0) return xList.get(0); 
		else return null; 
	}
}
