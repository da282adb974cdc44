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

import com.mobileclient.domain.Reader;
import com.mobileclient.handler.ReaderListHandler;
import com.mobileclient.util.HttpUtil;

/*读者管理业务逻辑层*/
public class ReaderService {
	/* 添加读者 */
	public String AddReader(Reader reader) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("readerNo", reader.getReaderNo());
		params.put("readerName", reader.getReaderName());
		params.put("sex", reader.getSex());
		params.put("birthday", reader.getBirthday().toString());
		params.put("telephone", reader.getTelephone());
		params.put("readerPhoto", reader.getReaderPhoto());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ReaderServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询读者 */
	public List<Reader> QueryReader(Reader queryConditionReader) throws Exception {
		String urlString = HttpUtil.BASE_URL + "ReaderServlet?action=query";
		if(queryConditionReader != null) {
			urlString += "&readerNo=" + URLEncoder.encode(queryConditionReader.getReaderNo(), "UTF-8") + "";
			urlString += "&readerName=" + URLEncoder.encode(queryConditionReader.getReaderName(), "UTF-8") + "";
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		ReaderListHandler readerListHander = new ReaderListHandler();
		xr.setContentHandler(readerListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Reader> readerList = readerListHander.getReaderList();
		return readerList;
	}
	/* 更新读者 */
	public String UpdateReader(Reader reader) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("readerNo", reader.getReaderNo());
		params.put("readerName", reader.getReaderName());
		params.put("sex", reader.getSex());
		params.put("birthday", reader.getBirthday().toString());
		params.put("telephone", reader.getTelephone());
		params.put("readerPhoto", reader.getReaderPhoto());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ReaderServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除读者 */
	public String DeleteReader(String readerNo) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("readerNo", readerNo);
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ReaderServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "读者信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据读者编号获取读者对象 */
	public Reader GetReader(String readerNo) throws Exception {
		List<Reader> readerList = new ArrayList<Reader>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("readerNo", readerNo);
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "ReaderServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Reader reader = new Reader();
				reader.setReaderNo(object.getString("readerNo"));
				reader.setReaderName(object.getString("readerName"));
				reader.setSex(object.getString("sex"));
				reader.setBirthday(Timestamp.valueOf(object.getString("birthday")));
				reader.setTelephone(object.getString("telephone"));
				reader.setReaderPhoto(object.getString("readerPhoto"));
				readerList.add(reader);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = readerList.size();
		if(size>0) return readerList.get(0); 
		else return null; 
	}
}
