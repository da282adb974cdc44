package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;
import com.mobileclient.util.ImageService;
import com.mobileclient.domain.Loan;
import com.mobileclient.service.LoanService;
import com.mobileclient.domain.Book;
import com.mobileclient.service.BookService;
import com.mobileclient.domain.Reader;
import com.mobileclient.service.ReaderService;
import android.app.Activity;
import android.content.Intent;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.net.Uri;
import android.os.Bundle;
import android.provider.MediaStore;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemSelectedListener;
import android.widget.ArrayAdapter;
import android.widget.Button;
import android.widget.DatePicker;
import android.widget.EditText;
import android.widget.TextView;
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;

public class LoanEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明借阅编号TextView
	private TextView TV_loanId;
	// 声明借阅图书下拉框
	private Spinner spinner_book;
	private ArrayAdapter<String> book_adapter;
	private static  String[] book_ShowText  = null;
	private List<Book> bookList = null;
	/*借阅图书管理业务逻辑层*/
	private BookService bookService = new BookService();
	// 声明借阅读者下拉框
	private Spinner spinner_reader;
	private ArrayAdapter<String> reader_adapter;
	private static  String[] reader_ShowText  = null;
	private List<Reader> readerList = null;
	/*借阅读者管理业务逻辑层*/
	private ReaderService readerService = new ReaderService();
	// 出版借阅日期控件
	private DatePicker dp_borrowDate;
	// 声明备注输入框
	private EditText ET_memo;
	protected String carmera_path;
	/*要保存的借阅记录信息*/
	Loan loan = new Loan();
	/*借阅记录管理业务逻辑层*/
	private LoanService loanService = new LoanService();

	private int loanId;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改借阅记录");
		// 设置当前Activity界面布局
		setContentView(R.layout.loan_edit); 
		TV_loanId = (TextView) findViewById(R.id.TV_loanId);
		spinner_book = (Spinner) findViewById(R.id.Spinner_book);
		// 获取所有的借阅图书
		try {
			bookList = bookService.QueryBook(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			bookList = new java.util.ArrayList<Book>();
		}
		int bookCount = bookList.size();
		book_ShowText = new String[bookCount];
		for(int i=0;i<bookCount;i++) { 
			book_ShowText[i] = bookList.get(i).getBookName();
		}
		// 将可选内容与ArrayAdapter连接起来
		book_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, book_ShowText);
		// 设置图书类别下拉列表的风格
		book_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_book.setAdapter(book_adapter);
		// 添加事件Spinner事件监听
		spinner_book.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (bookList.get(arg2) != null) loan.setBook(bookList.get(arg2).getBarcode()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_book.setVisibility(View.VISIBLE);
		spinner_reader = (Spinner) findViewById(R.id.Spinner_reader);
		// 获取所有的借阅读者
		try {
			readerList = readerService.QueryReader(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			readerList = new java.util.ArrayList<Reader>();
		}
		int readerCount = readerList.size();
		reader_ShowText = new String[readerCount];
		for(int i=0;i<readerCount;i++) { 
			reader_ShowText[i] = readerList.get(i).getReaderName();
		}
		// 将可选内容与ArrayAdapter连接起来
		reader_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, reader_ShowText);
		// 设置图书类别下拉列表的风格
		reader_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_reader.setAdapter(reader_adapter);
		// 添加事件Spinner事件监听
		spinner_reader.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (readerList.get(arg2) != null) loan.setReader(readerList.get(arg2).getReaderNo()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_reader.setVisibility(View.VISIBLE);
		dp_borrowDate = (DatePicker)this.findViewById(R.id.dp_borrowDate);
		ET_memo = (EditText) findViewById(R.id.ET_memo);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		loanId = extras.getInt("loanId");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改借阅记录按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取出版日期*/
					Date borrowDate = new Date(dp_borrowDate.getYear()-1900,dp_borrowDate.getMonth(),dp_borrowDate.getDayOfMonth());
					loan.setBorrowDate(new Timestamp(borrowDate.getTime()));
					/*验证获取备注*/ 
					if(ET_memo.getText().toString().equals("")) {
						Toast.makeText(LoanEditActivity.this, "备注输入不能为空!", Toast.LENGTH_LONG).show();
						ET_memo.setFocusable(true);
						ET_memo.requestFocus();
						return;	
					}
					loan.setMemo(ET_memo.getText().toString());
					/*调用业务逻辑层上传借阅记录信息*/
					LoanEditActivity.this.setTitle("正在更新借阅记录信息，稍等...");
					String result = loanService.UpdateLoan(loan);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到借阅记录管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(LoanEditActivity.this, LoanListActivity.class);
					startActivity(intent); 
					LoanEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					LoanEditActivity.this.setTitle("手机客户端-修改借阅记录");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    loan = loanService.GetLoan(loanId);
		if (loan == null) {
			Toast.makeText(this, "借阅记录信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_loanId.setText(loanId+"");
		for (int i = 0; i <= bookList.size(); i++) {
			if (i == bookList.size()) {
				/*没有这个借阅图书: 显示为空, 不选时保存原值*/
				bookList.add(0, null);
				book_adapter = new ArrayAdapter<String>(this, android.R.layout.simple_spinner_item);
				book_adapter.add("");
				book_adapter.addAll(book_ShowText);
				book_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
				this.spinner_book.setAdapter(book_adapter);
				break;
			}
			if (loan.getBook().equals(bookList.get(i).getBarcode())) {
				this.spinner_book.setSelection(i);
				break;
			}
		}
		for (int i = 0; i <= readerList.size(); i++) {
			if (i == readerList.size()) {
				/*没有这个借阅读者: 显示为空, 不选时保存原值*/
				readerList.add(0, null);
				reader_adapter = new ArrayAdapter<String>(this, android.R.layout.simple_spinner_item);
				reader_adapter.add("");
				reader_adapter.addAll(reader_ShowText);
				reader_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
				this.spinner_reader.setAdapter(reader_adapter);
				break;
			}
			if (loan.getReader().equals(readerList.get(i).getReaderNo())) {
				this.spinner_reader.setSelection(i);
				break;
			}
		}
		Date borrowDate = new Date(loan.getBorrowDate().getTime());
		this.dp_borrowDate.init(borrowDate.getYear() + 1900,borrowDate.getMonth(), borrowDate.getDate(), null);
		this.ET_memo.setText(loan.getMemo());
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
