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

import com.mobileclient.domain.Loan;
import com.mobileclient.handler.LoanListHandler;
import com.mobileclient.util.HttpUtil;

/*借阅记录管理业务逻辑层*/
public class LoanService {
	/* 添加借阅记录 */
	public String AddLoan(Loan loan) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("loanId", loan.getLoanId() + "");
		params.put("book", loan.getBook());
		params.put("reader", loan.getReader());
		params.put("borrowDate", loan.getBorrowDate().toString());
		params.put("memo", loan.getMemo());
		params.put("action", "add");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "LoanServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 查询借阅记录 */
	public List<Loan> QueryLoan(Loan queryConditionLoan) throws Exception {
		String urlString = HttpUtil.BASE_URL + "LoanServlet?action=query";
		if(queryConditionLoan != null) {
			urlString += "&book=" + URLEncoder.encode(queryConditionLoan.getBook(), "UTF-8") + "";
			urlString += "&reader=" + URLEncoder.encode(queryConditionLoan.getReader(), "UTF-8") + "";
			if(queryConditionLoan.getBorrowDate() != null) {
				urlString += "&borrowDate=" + URLEncoder.encode(queryConditionLoan.getBorrowDate().toString(), "UTF-8");
			}
		}
		URL url = new URL(urlString);
		SAXParserFactory spf = SAXParserFactory.newInstance();
		SAXParser sp = spf.newSAXParser();
		XMLReader xr = sp.getXMLReader();

		LoanListHandler loanListHander = new LoanListHandler();
		xr.setContentHandler(loanListHander);
		InputStreamReader isr = new InputStreamReader(HttpUtil.openStream(url), "UTF-8");
		InputSource is = new InputSource(isr);
		xr.parse(is);
		List<Loan> loanList = loanListHander.getLoanList();
		return loanList;
	}
	/* 更新借阅记录 */
	public String UpdateLoan(Loan loan) throws Exception {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("loanId", loan.getLoanId() + "");
		params.put("book", loan.getBook());
		params.put("reader", loan.getReader());
		params.put("borrowDate", loan.getBorrowDate().toString());
		params.put("memo", loan.getMemo());
		params.put("action", "update");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "LoanServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
	}
	/* 删除借阅记录 */
	public String DeleteLoan(int loanId) {
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("loanId", loanId + "");
		params.put("action", "delete");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "LoanServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			return result;
		} catch (Exception e) {
			e.printStackTrace();
			return "借阅记录信息删除失败! " + HttpUtil.errorText(e);
		}
	}
	/* 根据借阅编号获取借阅记录对象 */
	public Loan GetLoan(int loanId) throws Exception {
		List<Loan> loanList = new ArrayList<Loan>();
		HashMap<String, String> params = new HashMap<String, String>();
		params.put("loanId", loanId + "");
		params.put("action", "updateQuery");
		byte[] resultByte;
		try {
			resultByte = HttpUtil.SendPostRequest(HttpUtil.BASE_URL + "LoanServlet?", params, "UTF-8");
			String result = new String(resultByte, "UTF-8");
			JSONArray array = new JSONArray(result);
			int length = array.length();
			for (int i = 0; i < length; i++) {
				JSONObject object = array.getJSONObject(i);
				Loan loan = new Loan();
				loan.setLoanId(object.getInt("loanId"));
				loan.setBook(object.getString("book"));
				loan.setReader(object.getString("reader"));
				loan.setBorrowDate(Timestamp.valueOf(object.getString("borrowDate")));
				loan.setMemo(object.getString("memo"));
				loanList.add(loan);
			}
		} catch (Exception e) {
			e.printStackTrace();
			throw e;
		}
		int size = loanList.size();
		if(size>0) return loanList.get(0); 
		else return null; 
	}
}
