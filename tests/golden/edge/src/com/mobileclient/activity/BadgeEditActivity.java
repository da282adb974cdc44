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
import com.mobileclient.domain.Badge;
import com.mobileclient.service.BadgeService;
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

public class BadgeEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明徽章图TextView
	private TextView TV_badgePic;
	// 声明输入框
	private EditText ET_label;
	// 声明类别下拉框
	private Spinner spinner_category;
	private ArrayAdapter<String> category_adapter;
	private static  String[] category_ShowText  = null;
	private List<Category> categoryList = null;
	/*类别管理业务逻辑层*/
	private CategoryService categoryService = new CategoryService();
	protected String carmera_path;
	/*要保存的徽章信息*/
	Badge badge = new Badge();
	/*徽章管理业务逻辑层*/
	private BadgeService badgeService = new BadgeService();

	private String badgePic;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改徽章");
		// 设置当前Activity界面布局
		setContentView(R.layout.badge_edit); 
		TV_badgePic = (TextView) findViewById(R.id.TV_badgePic);
		ET_label = (EditText) findViewById(R.id.ET_label);
		spinner_category = (Spinner) findViewById(R.id.Spinner_category);
		// 获取所有的类别
		try {
			categoryList = categoryService.QueryCategory(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			categoryList = new java.util.ArrayList<Category>();
		}
		int categoryCount = categoryList.size();
		category_ShowText = new String[categoryCount];
		for(int i=0;i<categoryCount;i++) { 
			category_ShowText[i] = categoryList.get(i).getCategoryName();
		}
		// 将可选内容与ArrayAdapter连接起来
		category_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, category_ShowText);
		// 设置图书类别下拉列表的风格
		category_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_category.setAdapter(category_adapter);
		// 添加事件Spinner事件监听
		spinner_category.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (categoryList.get(arg2) != null) badge.setCategory(categoryList.get(arg2).getCategoryName()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_category.setVisibility(View.VISIBLE);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		badgePic = extras.getString("badgePic");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改徽章按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取*/ 
					if(ET_label.getText().toString().equals("")) {
						Toast.makeText(BadgeEditActivity.this, "输入不能为空!", Toast.LENGTH_LONG).show();
						ET_label.setFocusable(true);
						ET_label.requestFocus();
						return;	
					}
					badge.setLabel(ET_label.getText().toString());
					/*调用业务逻辑层上传徽章信息*/
					BadgeEditActivity.this.setTitle("正在更新徽章信息，稍等...");
					String result = badgeService.UpdateBadge(badge);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到徽章管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(BadgeEditActivity.this, BadgeListActivity.class);
					startActivity(intent); 
					BadgeEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					BadgeEditActivity.this.setTitle("手机客户端-修改徽章");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    badge = badgeService.GetBadge(badgePic);
		if (badge == null) {
			Toast.makeText(this, "徽章信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_badgePic.setText(badgePic);
		this.ET_label.setText(badge.getLabel());
		for (int i = 0; i <= categoryList.size(); i++) {
			if (i == categoryList.size()) {
				/*没有这个类别: 显示为空, 不选时保存原值*/
				categoryList.add(0, null);
				category_adapter = new ArrayAdapter<String>(this, android.R.layout.simple_spinner_item);
				category_adapter.add("");
				category_adapter.addAll(category_ShowText);
				category_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
				this.spinner_category.setAdapter(category_adapter);
				break;
			}
			if (badge.getCategory().equals(categoryList.get(i).getCategoryName())) {
				this.spinner_category.setSelection(i);
				break;
			}
		}
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
