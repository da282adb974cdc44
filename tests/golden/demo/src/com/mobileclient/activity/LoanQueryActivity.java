package com.mobileclient.activity;
import java.sql.Timestamp;
import java.util.Date;
import java.util.List;
import com.mobileclient.domain.Loan;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.domain.Book;
import com.mobileclient.service.BookService;
import com.mobileclient.domain.Reader;
import com.mobileclient.service.ReaderService;

import android.app.Activity;
import android.content.Intent;
import android.os.Bundle;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemSelectedListener;
import android.widget.ArrayAdapter;
import android.widget.Button;
import android.widget.CheckBox;
import android.widget.DatePicker;
import android.widget.EditText;
import android.widget.Spinner;
import android.widget.Toast;

public class LoanQueryActivity extends Activity {
	// 声明查询按钮
	private Button btnQuery;
	// 声明借阅图书下拉框
	private Spinner spinner_book;
	private ArrayAdapter<String> book_adapter;
	private static  String[] book_ShowText  = null;
	private List<Book> bookList = null; 
	/*图书管理业务逻辑层*/
	private BookService bookService = new BookService();
	// 声明借阅读者下拉框
	private Spinner spinner_reader;
	private ArrayAdapter<String> reader_adapter;
	private static  String[] reader_ShowText  = null;
	private List<Reader> readerList = null; 
	/*读者管理业务逻辑层*/
	private ReaderService readerService = new ReaderService();
	// 借阅日期控件
	private DatePicker dp_borrowDate;
	private CheckBox cb_borrowDate;
	/*查询过滤条件保存到这个对象中*/
	private Loan queryConditionLoan = new Loan();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-设置查询借阅记录条件");
		// 设置当前Activity界面布局
		setContentView(R.layout.loan_query);
		btnQuery = (Button) findViewById(R.id.btnQuery);
		spinner_book = (Spinner) findViewById(R.id.Spinner_book);
		// 获取所有的图书
		try {
			bookList = bookService.QueryBook(null);
		} catch (Exception e1) {
			e1.printStackTrace();
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			bookList = new java.util.ArrayList<Book>();
		}
		int bookCount = bookList.size();
		book_ShowText = new String[bookCount+1];
		book_ShowText[0] = "不限制";
		for(int i=1;i<=bookCount;i++) { 
			book_ShowText[i] = bookList.get(i-1).getBookName();
		} 
		// 将可选内容与ArrayAdapter连接起来
		book_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, book_ShowText);
		// 设置借阅图书下拉列表的风格
		book_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_book.setAdapter(book_adapter);
		// 添加事件Spinner事件监听
		spinner_book.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionLoan.setBook(bookList.get(arg2-1).getBarcode()); 
				else
					queryConditionLoan.setBook("");
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_book.setVisibility(View.VISIBLE);
		spinner_reader = (Spinner) findViewById(R.id.Spinner_reader);
		// 获取所有的读者
		try {
			readerList = readerService.QueryReader(null);
		} catch (Exception e1) {
			e1.printStackTrace();
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			readerList = new java.util.ArrayList<Reader>();
		}
		int readerCount = readerList.size();
		reader_ShowText = new String[readerCount+1];
		reader_ShowText[0] = "不限制";
		for(int i=1;i<=readerCount;i++) { 
			reader_ShowText[i] = readerList.get(i-1).getReaderName();
		} 
		// 将可选内容与ArrayAdapter连接起来
		reader_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, reader_ShowText);
		// 设置借阅读者下拉列表的风格
		reader_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_reader.setAdapter(reader_adapter);
		// 添加事件Spinner事件监听
		spinner_reader.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionLoan.setReader(readerList.get(arg2-1).getReaderNo()); 
				else
					queryConditionLoan.setReader("");
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_reader.setVisibility(View.VISIBLE);
		dp_borrowDate = (DatePicker) findViewById(R.id.dp_borrowDate);
		cb_borrowDate = (CheckBox) findViewById(R.id.cb_borrowDate);
		/*单击查询按钮*/
		btnQuery.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取查询参数*/
					if(cb_borrowDate.isChecked()) {
						/*获取借阅日期*/
						Date borrowDate = new Date(dp_borrowDate.getYear()-1900,dp_borrowDate.getMonth(),dp_borrowDate.getDayOfMonth());
						queryConditionLoan.setBorrowDate(new Timestamp(borrowDate.getTime()));
					} else {
						queryConditionLoan.setBorrowDate(null);
					} 
					/*操作完成后返回到借阅记录管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(LoanQueryActivity.this, LoanListActivity.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionLoan", queryConditionLoan);
					intent.putExtras(bundle);
					startActivity(intent);  
					LoanQueryActivity.this.finish();
				} catch (Exception e) {}
			}
			});
	}
}
