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
import android.widget.TextView;
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;

public class CategoryEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明类别名称TextView
	private TextView TV_categoryName;
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

	private String categoryName;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改类别");
		// 设置当前Activity界面布局
		setContentView(R.layout.category_edit); 
		TV_categoryName = (TextView) findViewById(R.id.TV_categoryName);
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
				intent.setClass(CategoryEditActivity.this,photoListActivity.class);
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
					Toast.makeText(CategoryEditActivity.this, "没有可用的相机应用!", Toast.LENGTH_LONG).show();
				}
			}
		});
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		categoryName = extras.getString("categoryName");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改类别按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					if (!category.getPicture().startsWith("upload/")) {
						//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片
						CategoryEditActivity.this.setTitle("正在上传图片，稍等...");
						String picture = HttpUtil.uploadFile(category.getPicture());
						CategoryEditActivity.this.setTitle("图片上传完毕！");
						category.setPicture(picture);
					} 
					/*调用业务逻辑层上传类别信息*/
					CategoryEditActivity.this.setTitle("正在更新类别信息，稍等...");
					String result = categoryService.UpdateCategory(category);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到类别管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(CategoryEditActivity.this, CategoryListActivity.class);
					startActivity(intent); 
					CategoryEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					CategoryEditActivity.this.setTitle("手机客户端-修改类别");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    category = categoryService.GetCategory(categoryName);
		if (category == null) {
			Toast.makeText(this, "类别信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_categoryName.setText(categoryName);
		for (int i = 0; i <= parentList.size(); i++) {
			if (i == parentList.size()) {
				/*没有这个上级类别: 显示为空, 不选时保存原值*/
				parentList.add(0, null);
				parent_adapter = new ArrayAdapter<String>(this, android.R.layout.simple_spinner_item);
				parent_adapter.add("");
				parent_adapter.addAll(parent_ShowText);
				parent_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
				this.spinner_parent.setAdapter(parent_adapter);
				break;
			}
			if (category.getParent().equals(parentList.get(i).getCategoryName())) {
				this.spinner_parent.setSelection(i);
				break;
			}
		}
		byte[] picture_data = null;
		try {
			// 获取图片数据
			picture_data = ImageService.getImage(HttpUtil.BASE_URL + category.getPicture());
			Bitmap picture = BitmapFactory.decodeByteArray(picture_data, 0, picture_data.length);
			if (picture != null) this.iv_picture.setImageBitmap(picture);
		} catch (Exception e) {
			e.printStackTrace();
		}
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
