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

import com.mobileclient.domain.Y;
import com.mobileclient.handler.YListHandler;
import com.mobileclient.util.HttpUtil;

/*另管理业务逻辑层*/
public class YService {
	/* 添加另 */
	public String AddY(Y y) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("b", y.getB());
		params.put("p", y.getP());
		params.put("x", y.getX() + "");
		params.put("d", y.getD().toString());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "YServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询另 */
	public List<Y> QueryY(Y queryConditionY) throws Exception {
		String urlString = HttpUtil.BASE_URL + "YServlet?action=query";
		if(queryConditionY != null) {
			urlString += "&p=" + URLEncoder.encode(queryConditionY.getP(), "UTF-8") + "";
			urlString += "&x=" + queryConditionY.getX();
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		YListHandler yListHander = new YListHandler();
		xr.setContentHandler(yListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Y> yList = yListHander.getYList();
		return yList;
	}
	/* 更新另 */
	public String UpdateY(Y y) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("b", y.getB());
		params.put("p", y.getP());
		params.put("x", y.getX() + "");
		params.put("d", y.getD().toString());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "YServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除另 */
	public String DeleteY(String b) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("b", b);
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "YServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "另信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据乙获取另对象 */
	public Y GetY(String b) throws Exception {
		List<Y> yList = new ArrayList<Y>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("b", b);
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "YServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Y y = new Y();
				y.setB(object.getString("b"));
				y.setP(object.getString("p"));
				y.setX(object.getInt("x"));
				y.setD(Timestamp.valueOf(object.getString("d")));
				yList.add(y);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = yList.size();
		if(size>0) return yList.get(0); 
		else return null; 
	}
}
