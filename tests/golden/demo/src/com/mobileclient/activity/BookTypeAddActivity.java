package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

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
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;
public class BookTypeAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明类别名称输入框
	private EditText ET_typeName;
	// 声明可借阅天数输入框
	private EditText ET_borrowDays;
	protected String carmera_path;
	/*要保存的图书类别信息*/
	BookType bookType = new BookType();
	/*图书类别管理业务逻辑层*/
	private BookTypeService bookTypeService = new BookTypeService();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加图书类别");
		// 设置当前Activity界面布局
		setContentView(R.layout.booktype_add); 
		ET_typeName = (EditText) findViewById(R.id.ET_typeName);
		ET_borrowDays = (EditText) findViewById(R.id.ET_borrowDays);
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加图书类别按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取类别名称*/ 
					if(ET_typeName.getText().toString().equals("")) {
						Toast.makeText(BookTypeAddActivity.this, "类别名称输入不能为空!", Toast.LENGTH_LONG).show();
						ET_typeName.setFocusable(true);
						ET_typeName.requestFocus();
						return;	
					}
					bookType.setTypeName(ET_typeName.getText().toString());
					/*验证获取可借阅天数*/ 
					if(ET_borrowDays.getText().toString().equals("")) {
						Toast.makeText(BookTypeAddActivity.this, "可借阅天数输入不能为空!", Toast.LENGTH_LONG).show();
						ET_borrowDays.setFocusable(true);
						ET_borrowDays.requestFocus();
						return;	
					}
					try {
						bookType.setBorrowDays(Integer.parseInt(ET_borrowDays.getText().toString()));
					} catch (NumberFormatException e) {
						Toast.makeText(BookTypeAddActivity.this, "可借阅天数不是有效的数字!", Toast.LENGTH_LONG).show();
						ET_borrowDays.requestFocus();
						return;
					}
					/*调用业务逻辑层上传图书类别信息*/
					BookTypeAddActivity.this.setTitle("正在上传图书类别信息，稍等...");
					String result = bookTypeService.AddBookType(bookType);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到图书类别管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(BookTypeAddActivity.this, BookTypeListActivity.class);
					startActivity(intent); 
					BookTypeAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					BookTypeAddActivity.this.setTitle("手机客户端-添加图书类别");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
