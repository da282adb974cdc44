package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Book;
import com.mobileclient.service.BookService;
import com.mobileclient.domain.BookType;
import com.mobileclient.service.BookTypeService;
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

public class BookDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明图书条码控件
	private TextView TV_barcode;
	// 声明图书名称控件
	private TextView TV_bookName;
	// 声明图书类别控件
	private TextView TV_bookType;
	// 声明图书价格控件
	private TextView TV_price;
	// 声明库存数量控件
	private TextView TV_count;
	// 声明出版日期控件
	private TextView TV_publishDate;
	// 声明出版社控件
	private TextView TV_publish;
	// 声明图书图片图片框
	private ImageView iv_bookPhoto;
	// 声明图书简介控件
	private TextView TV_introduction;
	/* 要保存的图书信息 */
	Book book = new Book(); 
	/* 图书管理业务逻辑层 */
	private BookService bookService = new BookService();
	private BookTypeService bookTypeService = new BookTypeService();
	private String barcode;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看图书详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.book_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_barcode = (TextView) findViewById(R.id.TV_barcode);
		TV_bookName = (TextView) findViewById(R.id.TV_bookName);
		TV_bookType = (TextView) findViewById(R.id.TV_bookType);
		TV_price = (TextView) findViewById(R.id.TV_price);
		TV_count = (TextView) findViewById(R.id.TV_count);
		TV_publishDate = (TextView) findViewById(R.id.TV_publishDate);
		TV_publish = (TextView) findViewById(R.id.TV_publish);
		iv_bookPhoto = (ImageView) findViewById(R.id.iv_bookPhoto); 
		TV_introduction = (TextView) findViewById(R.id.TV_introduction);
		Bundle extras = this.getIntent().getExtras();
		barcode = extras.getString("barcode");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				BookDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    book = bookService.GetBook(barcode); 
		if (book == null) {
			Toast.makeText(this, "图书信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_barcode.setText(book.getBarcode());
		this.TV_bookName.setText(book.getBookName());
		BookType bookType = bookTypeService.GetBookType(book.getBookType());
		this.TV_bookType.setText(bookType == null ? "" : bookType.getTypeName());
		this.TV_price.setText(book.getPrice() + "");
		this.TV_count.setText(book.getCount() + "");
		Date publishDate = new Date(book.getPublishDate().getTime());
		String publishDateStr = (publishDate.getYear() + 1900) + "-" + (publishDate.getMonth()+1) + "-" + publishDate.getDate();
		this.TV_publishDate.setText(publishDateStr);
		this.TV_publish.setText(book.getPublish());
		byte[] bookPhoto_data = null;
		try {
			// 获取图片数据
			bookPhoto_data = ImageService.getImage(HttpUtil.BASE_URL + book.getBookPhoto());
			Bitmap bookPhoto = BitmapFactory.decodeByteArray(bookPhoto_data, 0,bookPhoto_data.length);
			if (bookPhoto != null) this.iv_bookPhoto.setImageBitmap(bookPhoto);
		} catch (Exception e) {
			e.printStackTrace();
		}
		this.TV_introduction.setText(book.getIntroduction());
	} 
}
