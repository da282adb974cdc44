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

import com.mobileclient.domain.Trip;
import com.mobileclient.handler.TripListHandler;
import com.mobileclient.util.HttpUtil;

/*行程管理业务逻辑层*/
public class TripService {
	/* 添加行程 */
	public String AddTrip(Trip trip) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("tripNo", trip.getTripNo());
		params.put("fromCity", trip.getFromCity() + "");
		params.put("toCity", trip.getToCity() + "");
		params.put("city", trip.getCity() + "");
		params.put("startDate", trip.getStartDate().toString());
		params.put("fare", trip.getFare() + "");
		params.put("seats", trip.getSeats() + "");
		params.put("photo", trip.getPhoto());
		params.put("ticket", trip.getTicket());
		params.put("note", trip.getNote());
		params.put("memo", trip.getMemo());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "TripServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询行程 */
	public List<Trip> QueryTrip(Trip queryConditionTrip) throws Exception {
		String urlString = HttpUtil.BASE_URL + "TripServlet?action=query";
		if(queryConditionTrip != null) {
			urlString += "&fromCity=" + queryConditionTrip.getFromCity();
			urlString += "&toCity=" + queryConditionTrip.getToCity();
			if(queryConditionTrip.getStartDate() != null) {
				urlString += "&startDate=" + URLEncoder.encode(queryConditionTrip.getStartDate().toString(), "UTF-8");
			}
			urlString += "&fare=" + queryConditionTrip.getFare();
			urlString += "&seats=" + queryConditionTrip.getSeats();
			urlString += "&photo=" + URLEncoder.encode(queryConditionTrip.getPhoto(), "UTF-8") + "";
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		TripListHandler tripListHander = new TripListHandler();
		xr.setContentHandler(tripListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Trip> tripList = tripListHander.getTripList();
		return tripList;
	}
	/* 更新行程 */
	public String UpdateTrip(Trip trip) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("tripNo", trip.getTripNo());
		params.put("fromCity", trip.getFromCity() + "");
		params.put("toCity", trip.getToCity() + "");
		params.put("city", trip.getCity() + "");
		params.put("startDate", trip.getStartDate().toString());
		params.put("fare", trip.getFare() + "");
		params.put("seats", trip.getSeats() + "");
		params.put("photo", trip.getPhoto());
		params.put("ticket", trip.getTicket());
		params.put("note", trip.getNote());
		params.put("memo", trip.getMemo());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "TripServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除行程 */
	public String DeleteTrip(String tripNo) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("tripNo", tripNo);
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "TripServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "行程信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据行程号获取行程对象 */
	public Trip GetTrip(String tripNo) throws Exception {
		List<Trip> tripList = new ArrayList<Trip>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("tripNo", tripNo);
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "TripServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Trip trip = new Trip();
				trip.setTripNo(object.getString("tripNo"));
				trip.setFromCity(object.getInt("fromCity"));
				trip.setToCity(object.getInt("toCity"));
				trip.setCity(object.getInt("city"));
				trip.setStartDate(Timestamp.valueOf(object.getString("startDate")));
				trip.setFare((float) object.getDouble("fare"));
				trip.setSeats(object.getInt("seats"));
				trip.setPhoto(object.getString("photo"));
				trip.setTicket(object.getString("ticket"));
				trip.setNote(object.getString("note"));
				trip.setMemo(object.getString("memo"));
				tripList.add(trip);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = tripList.size();
		if(size>0) return tripList.get(0); 
		else return null; 
	}
}
