package com.mobileclient.activity;
import java.sql.Timestamp;
import java.util.Date;
import java.util.List;
import com.mobileclient.domain.Category;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.domain.Category;
import com.mobileclient.service.CategoryService;

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

public class CategoryQueryActivity extends Activity {
	// 声明查询按钮
	private Button btnQuery;
	// 声明上级类别下拉框
	private Spinner spinner_parent;
	private ArrayAdapter<String> parent_adapter;
	private static  String[] parent_ShowText  = null;
	private List<Category> categoryList = null; 
	/*类别管理业务逻辑层*/
	private CategoryService categoryService = new CategoryService();
	// 声明图片输入框
	private EditText ET_picture;
	/*查询过滤条件保存到这个对象中*/
	private Category queryConditionCategory = new Category();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-设置查询类别条件");
		// 设置当前Activity界面布局
		setContentView(R.layout.category_query);
		btnQuery = (Button) findViewById(R.id.btnQuery);
		spinner_parent = (Spinner) findViewById(R.id.Spinner_parent);
		// 获取所有的类别
		try {
			categoryList = categoryService.QueryCategory(null);
		} catch (Exception e1) {
			e1.printStackTrace();
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			categoryList = new java.util.ArrayList<Category>();
		}
		int categoryCount = categoryList.size();
		parent_ShowText = new String[categoryCount+1];
		parent_ShowText[0] = "不限制";
		for(int i=1;i<=categoryCount;i++) { 
			parent_ShowText[i] = categoryList.get(i-1).getCategoryName();
		} 
		// 将可选内容与ArrayAdapter连接起来
		parent_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, parent_ShowText);
		// 设置上级类别下拉列表的风格
		parent_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_parent.setAdapter(parent_adapter);
		// 添加事件Spinner事件监听
		spinner_parent.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionCategory.setParent(categoryList.get(arg2-1).getCategoryName()); 
				else
					queryConditionCategory.setParent("");
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_parent.setVisibility(View.VISIBLE);
		ET_picture = (EditText) findViewById(R.id.ET_picture);
		/*单击查询按钮*/
		btnQuery.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取查询参数*/
					queryConditionCategory.setPicture(ET_picture.getText().toString());
					/*操作完成后返回到类别管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(CategoryQueryActivity.this, CategoryListActivity.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionCategory", queryConditionCategory);
					intent.putExtras(bundle);
					startActivity(intent);  
					CategoryQueryActivity.this.finish();
				} catch (Exception e) {}
			}
			});
	}
}
