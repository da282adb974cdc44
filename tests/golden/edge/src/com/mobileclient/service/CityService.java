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

import com.mobileclient.domain.City;
import com.mobileclient.handler.CityListHandler;
import com.mobileclient.util.HttpUtil;

/*城市管理业务逻辑层*/
public class CityService {
	/* 添加城市 */
	public String AddCity(City city) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("cityId", city.getCityId() + "");
		params.put("cityName", city.getCityName());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CityServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询城市 */
	public List<City> QueryCity(City queryConditionCity) throws Exception {
		String urlString = HttpUtil.BASE_URL + "CityServlet?action=query";
		if(queryConditionCity != null) {
			urlString += "&cityName=" + URLEncoder.encode(queryConditionCity.getCityName(), "UTF-8") + "";
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		CityListHandler cityListHander = new CityListHandler();
		xr.setContentHandler(cityListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<City> cityList = cityListHander.getCityList();
		return cityList;
	}
	/* 更新城市 */
	public String UpdateCity(City city) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("cityId", city.getCityId() + "");
		params.put("cityName", city.getCityName());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CityServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除城市 */
	public String DeleteCity(int cityId) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("cityId", cityId + "");
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CityServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "城市信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据城市编号获取城市对象 */
	public City GetCity(int cityId) throws Exception {
		List<City> cityList = new ArrayList<City>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("cityId", cityId + "");
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CityServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				City city = new City();
				city.setCityId(object.getInt("cityId"));
				city.setCityName(object.getString("cityName"));
				cityList.add(city);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = cityList.size();
		if(size>0) return cityList.get(0); 
		else return null; 
	}
}
