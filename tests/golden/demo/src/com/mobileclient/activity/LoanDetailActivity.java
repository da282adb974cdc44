package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Loan;
import com.mobileclient.service.LoanService;
import com.mobileclient.domain.Book;
import com.mobileclient.service.BookService;
import com.mobileclient.domain.Reader;
import com.mobileclient.service.ReaderService;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;
import android.app.Activity;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.os.Bundle;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.Button;
import android.widget.ImageView;
import android.widget.TextView;
import android.widget.Toast;

public class LoanDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明借阅编号控件
	private TextView TV_loanId;
	// 声明借阅图书控件
	private TextView TV_book;
	// 声明借阅读者控件
	private TextView TV_reader;
	// 声明借阅日期控件
	private TextView TV_borrowDate;
	// 声明备注控件
	private TextView TV_memo;
	/* 要保存的借阅记录信息 */
	Loan loan = new Loan(); 
	/* 借阅记录管理业务逻辑层 */
	private LoanService loanService = new LoanService();
	private BookService bookService = new BookService();
	private ReaderService readerService = new ReaderService();
	private int loanId;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看借阅记录详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.loan_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_loanId = (TextView) findViewById(R.id.TV_loanId);
		TV_book = (TextView) findViewById(R.id.TV_book);
		TV_reader = (TextView) findViewById(R.id.TV_reader);
		TV_borrowDate = (TextView) findViewById(R.id.TV_borrowDate);
		TV_memo = (TextView) findViewById(R.id.TV_memo);
		Bundle extras = this.getIntent().getExtras();
		loanId = extras.getInt("loanId");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				LoanDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    loan = loanService.GetLoan(loanId); 
		if (loan == null) {
			Toast.makeText(this, "借阅记录信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_loanId.setText(loan.getLoanId() + "");
		Book book = bookService.GetBook(loan.getBook());
		this.TV_book.setText(book == null ? "" : book.getBookName());
		Reader reader = readerService.GetReader(loan.getReader());
		this.TV_reader.setText(reader == null ? "" : reader.getReaderName());
		Date borrowDate = new Date(loan.getBorrowDate().getTime());
		String borrowDateStr = (borrowDate.getYear() + 1900) + "-" + (borrowDate.getMonth()+1) + "-" + borrowDate.getDate();
		this.TV_borrowDate.setText(borrowDateStr);
		this.TV_memo.setText(loan.getMemo());
	} 
}
