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
import com.mobileclient.domain.BookType;
import com.mobileclient.service.BookTypeService;
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

public class BookTypeEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明类别编号TextView
	private TextView TV_typeId;
	// 声明类别名称输入框
	private EditText ET_typeName;
	// 声明可借阅天数输入框
	private EditText ET_borrowDays;
	protected String carmera_path;
	/*要保存的图书类别信息*/
	BookType bookType = new BookType();
	/*图书类别管理业务逻辑层*/
	private BookTypeService bookTypeService = new BookTypeService();

	private int typeId;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改图书类别");
		// 设置当前Activity界面布局
		setContentView(R.layout.booktype_edit); 
		TV_typeId = (TextView) findViewById(R.id.TV_typeId);
		ET_typeName = (EditText) findViewById(R.id.ET_typeName);
		ET_borrowDays = (EditText) findViewById(R.id.ET_borrowDays);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		typeId = extras.getInt("typeId");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改图书类别按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取类别名称*/ 
					if(ET_typeName.getText().toString().equals("")) {
						Toast.makeText(BookTypeEditActivity.this, "类别名称输入不能为空!", Toast.LENGTH_LONG).show();
						ET_typeName.setFocusable(true);
						ET_typeName.requestFocus();
						return;	
					}
					bookType.setTypeName(ET_typeName.getText().toString());
					/*验证获取可借阅天数*/ 
					if(ET_borrowDays.getText().toString().equals("")) {
						Toast.makeText(BookTypeEditActivity.this, "可借阅天数输入不能为空!", Toast.LENGTH_LONG).show();
						ET_borrowDays.setFocusable(true);
						ET_borrowDays.requestFocus();
						return;	
					}
					try {
						bookType.setBorrowDays(Integer.parseInt(ET_borrowDays.getText().toString()));
					} catch (NumberFormatException e) {
						Toast.makeText(BookTypeEditActivity.this, "可借阅天数不是有效的数字!", Toast.LENGTH_LONG).show();
						ET_borrowDays.requestFocus();
						return;
					}
					/*调用业务逻辑层上传图书类别信息*/
					BookTypeEditActivity.this.setTitle("正在更新图书类别信息，稍等...");
					String result = bookTypeService.UpdateBookType(bookType);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到图书类别管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(BookTypeEditActivity.this, BookTypeListActivity.class);
					startActivity(intent); 
					BookTypeEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					BookTypeEditActivity.this.setTitle("手机客户端-修改图书类别");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    bookType = bookTypeService.GetBookType(typeId);
		if (bookType == null) {
			Toast.makeText(this, "图书类别信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_typeId.setText(typeId+"");
		this.ET_typeName.setText(bookType.getTypeName());
		this.ET_borrowDays.setText(bookType.getBorrowDays() + "");
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
