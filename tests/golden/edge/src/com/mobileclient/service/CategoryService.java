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

import com.mobileclient.domain.Category;
import com.mobileclient.handler.CategoryListHandler;
import com.mobileclient.util.HttpUtil;

/*类别管理业务逻辑层*/
public class CategoryService {
	/* 添加类别 */
	public String AddCategory(Category category) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("categoryName", category.getCategoryName());
		params.put("parent", category.getParent());
		params.put("picture", category.getPicture());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CategoryServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询类别 */
	public List<Category> QueryCategory(Category queryConditionCategory) throws Exception {
		String urlString = HttpUtil.BASE_URL + "CategoryServlet?action=query";
		if(queryConditionCategory != null) {
			urlString += "&parent=" + URLEncoder.encode(queryConditionCategory.getParent(), "UTF-8") + "";
			urlString += "&picture=" + URLEncoder.encode(queryConditionCategory.getPicture(), "UTF-8") + "";
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		CategoryListHandler categoryListHander = new CategoryListHandler();
		xr.setContentHandler(categoryListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Category> categoryList = categoryListHander.getCategoryList();
		return categoryList;
	}
	/* 更新类别 */
	public String UpdateCategory(Category category) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("categoryName", category.getCategoryName());
		params.put("parent", category.getParent());
		params.put("picture", category.getPicture());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CategoryServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除类别 */
	public String DeleteCategory(String categoryName) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("categoryName", categoryName);
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CategoryServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "类别信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据类别名称获取类别对象 */
	public Category GetCategory(String categoryName) throws Exception {
		List<Category> categoryList = new ArrayList<Category>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("categoryName", categoryName);
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "CategoryServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Category category = new Category();
				category.setCategoryName(object.getString("categoryName"));
				category.setParent(object.getString("parent"));
				category.setPicture(object.getString("picture"));
				categoryList.add(category);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = categoryList.size();
		if(size>0) return categoryList.get(0); 
		else return null; 
	}
}
