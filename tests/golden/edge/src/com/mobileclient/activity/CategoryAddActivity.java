package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

import com.mobileclient.domain.Category;
import com.mobileclient.service.CategoryService;
import com.mobileclient.domain.Category;
import com.mobileclient.service.CategoryService;
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
public class CategoryAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明类别名称输入框
	private EditText ET_categoryName;
	// 声明上级类别下拉框
	private Spinner spinner_parent;
	private ArrayAdapter<String> parent_adapter;
	private static  String[] parent_ShowText  = null;
	private List<Category> parentList = null;
	/*上级类别管理业务逻辑层*/
	private CategoryService parentService = new CategoryService();
	// 声明图片图片框控件
	private ImageView iv_picture;
	private Button btn_picture;
	protected int REQ_CODE_SELECT_IMAGE_picture = 1;
	private int REQ_CODE_CAMERA_picture = 2;
	protected String carmera_path;
	/*要保存的类别信息*/
	Category category = new Category();
	/*类别管理业务逻辑层*/
	private CategoryService categoryService = new CategoryService();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加类别");
		// 设置当前Activity界面布局
		setContentView(R.layout.category_add); 
		ET_categoryName = (EditText) findViewById(R.id.ET_categoryName);
		spinner_parent = (Spinner) findViewById(R.id.Spinner_parent);
		// 获取所有的上级类别
		try {
			parentList = parentService.QueryCategory(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			parentList = new java.util.ArrayList<Category>();
		}
		int parentCount = parentList.size();
		parent_ShowText = new String[parentCount];
		for(int i=0;i<parentCount;i++) { 
			parent_ShowText[i] = parentList.get(i).getCategoryName();
		}
		// 将可选内容与ArrayAdapter连接起来
		parent_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, parent_ShowText);
		// 设置图书类别下拉列表的风格
		parent_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_parent.setAdapter(parent_adapter);
		// 添加事件Spinner事件监听
		spinner_parent.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (parentList.get(arg2) != null) category.setParent(parentList.get(arg2).getCategoryName()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_parent.setVisibility(View.VISIBLE);
		iv_picture = (ImageView) findViewById(R.id.iv_picture);
		/*单击图片显示控件时进行图片的选择*/
		iv_picture.setOnClickListener(new OnClickListener() {
			@Override
			public void onClick(View v) {
				Intent intent = new Intent();
				intent.setClass(CategoryAddActivity.this,photoListActivity.class);
				startActivityForResult(intent,REQ_CODE_SELECT_IMAGE_picture);
			}
		});
		btn_picture = (Button) findViewById(R.id.btn_picture);
		btn_picture.setOnClickListener(new OnClickListener() { 
			@Override
			public void onClick(View arg0) {
				Intent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); 
				carmera_path = HttpUtil.FILE_PATH + "/carmera_picture.bmp";
				File out = new File(carmera_path); 
				intent.putExtra(MediaStore.EXTRA_OUTPUT, PictureProvider.uriFor(out)); 
				try {
					startActivityForResult(intent, REQ_CODE_CAMERA_picture);  
				} catch (android.content.ActivityNotFoundException e) {
					Toast.makeText(CategoryAddActivity.this, "没有可用的相机应用!", Toast.LENGTH_LONG).show();
				}
			}
		});
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加类别按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取类别名称*/
					if(ET_categoryName.getText().toString().equals("")) {
						Toast.makeText(CategoryAddActivity.this, "类别名称输入不能为空!", Toast.LENGTH_LONG).show();
						ET_categoryName.setFocusable(true);
						ET_categoryName.requestFocus();
						return;
					}
					category.setCategoryName(ET_categoryName.getText().toString());
					if(category.getPicture() != null) {
						//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片
						CategoryAddActivity.this.setTitle("正在上传图片，稍等...");
						String picture = HttpUtil.uploadFile(category.getPicture());
						CategoryAddActivity.this.setTitle("图片上传完毕！");
						category.setPicture(picture);
					} else {
						category.setPicture("upload/noimage.jpg");
					}
					/*调用业务逻辑层上传类别信息*/
					CategoryAddActivity.this.setTitle("正在上传类别信息，稍等...");
					String result = categoryService.AddCategory(category);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到类别管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(CategoryAddActivity.this, CategoryListActivity.class);
					startActivity(intent); 
					CategoryAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					CategoryAddActivity.this.setTitle("手机客户端-添加类别");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
		if (requestCode == REQ_CODE_CAMERA_picture  && resultCode == Activity.RESULT_OK) {
			carmera_path = HttpUtil.FILE_PATH + "/carmera_picture.bmp"; 
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true;
			BitmapFactory.decodeFile(carmera_path, opts); 
			opts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);
			opts.inJustDecodeBounds = false;
			try {
				Bitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);
				String jpgFileName = "carmera_picture.jpg";
				String jpgFilePath =  HttpUtil.FILE_PATH + "/" + jpgFileName;
				try {
					FileOutputStream jpgOutputStream = new FileOutputStream(jpgFilePath);
					booImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);// 把数据写入文件 
					File bmpFile = new File(carmera_path);
					bmpFile.delete();
				} catch (FileNotFoundException e) {
					e.printStackTrace();
				} 
				this.iv_picture.setImageBitmap(booImageBm);
				this.iv_picture.setScaleType(ScaleType.FIT_CENTER);
				this.category.setPicture(jpgFileName);
			} catch (OutOfMemoryError err) {  }
		}

		if(requestCode == REQ_CODE_SELECT_IMAGE_picture && resultCode == Activity.RESULT_OK) {
			Bundle bundle = data.getExtras();
			String filename =  bundle.getString("fileName");
			String filepath = HttpUtil.FILE_PATH + "/" + filename;
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true; 
			BitmapFactory.decodeFile(filepath, opts); 
			opts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 128*128);
			opts.inJustDecodeBounds = false; 
			try { 
				Bitmap bm = BitmapFactory.decodeFile(filepath, opts);
				this.iv_picture.setImageBitmap(bm); 
				this.iv_picture.setScaleType(ScaleType.FIT_CENTER); 
			} catch (OutOfMemoryError err) {  } 
			category.setPicture(filename); 
		}
	}
}
