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

import com.mobileclient.domain.BookType;
import com.mobileclient.handler.BookTypeListHandler;
import com.mobileclient.util.HttpUtil;

/*图书类别管理业务逻辑层*/
public class BookTypeService {
	/* 添加图书类别 */
	public String AddBookType(BookType bookType) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("typeId", bookType.getTypeId() + "");
		params.put("typeName", bookType.getTypeName());
		params.put("borrowDays", bookType.getBorrowDays() + "");
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BookTypeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询图书类别 */
	public List<BookType> QueryBookType(BookType queryConditionBookType) throws Exception {
		String urlString = HttpUtil.BASE_URL + "BookTypeServlet?action=query";
		if(queryConditionBookType != null) {
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		BookTypeListHandler bookTypeListHander = new BookTypeListHandler();
		xr.setContentHandler(bookTypeListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<BookType> bookTypeList = bookTypeListHander.getBookTypeList();
		return bookTypeList;
	}
	/* 更新图书类别 */
	public String UpdateBookType(BookType bookType) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("typeId", bookType.getTypeId() + "");
		params.put("typeName", bookType.getTypeName());
		params.put("borrowDays", bookType.getBorrowDays() + "");
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BookTypeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除图书类别 */
	public String DeleteBookType(int typeId) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("typeId", typeId + "");
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BookTypeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "图书类别信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据类别编号获取图书类别对象 */
	public BookType GetBookType(int typeId) throws Exception {
		List<BookType> bookTypeList = new ArrayList<BookType>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("typeId", typeId + "");
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "BookTypeServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				BookType bookType = new BookType();
				bookType.setTypeId(object.getInt("typeId"));
				bookType.setTypeName(object.getString("typeName"));
				bookType.setBorrowDays(object.getInt("borrowDays"));
				bookTypeList.add(bookType);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = bookTypeList.size();
		if(size>0) return bookTypeList.get(0); 
		else return null; 
	}
}
