package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.Category;
import com.mobileclient.service.CategoryService;
import com.mobileclient.util.CategorySimpleAdapter;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;

import android.app.Activity;
import android.app.AlertDialog.Builder;
import android.content.DialogInterface;
import android.content.Intent;
import android.content.DialogInterface.OnClickListener;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.os.Bundle;
import android.view.ContextMenu;
import android.view.Menu;
import android.view.MenuItem;
import android.view.View;
import android.view.ContextMenu.ContextMenuInfo;
import android.view.View.OnCreateContextMenuListener;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemClickListener;
import android.widget.ListView;
import android.widget.Toast;
import android.widget.AdapterView.AdapterContextMenuInfo;

public class CategoryListActivity extends Activity {
	CategorySimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	String categoryName;
	/* 类别操作业务逻辑层对象 */
	CategoryService categoryService = new CategoryService();
	/*保存查询参数条件的类别对象*/
	private Category queryConditionCategory;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.category_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--类别列表");
		} else {
			setTitle("您好：" + username + "   当前位置---类别列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionCategory = (Category)extras.getSerializable("queryConditionCategory");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new CategorySimpleAdapter(this, list,
					R.layout.category_list_item,
					new String[] { "categoryName","parent" },
					new int[] { R.id.tv_categoryName,R.id.tv_parent});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(categoryListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	String categoryName = list.get(arg2).get("categoryName").toString();
            	Intent intent = new Intent();
            	intent.setClass(CategoryListActivity.this, CategoryDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putString("categoryName", categoryName);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener categoryListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑类别信息"); 
			menu.add(0, 1, 0, "删除类别信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑类别信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取类别名称
			categoryName = list.get(position).get("categoryName").toString();
			Intent intent = new Intent();
			intent.setClass(CategoryListActivity.this, CategoryEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putString("categoryName", categoryName);
			intent.putExtras(bundle);
			startActivity(intent);
			CategoryListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除类别信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取类别名称
			categoryName = list.get(position).get("categoryName").toString();
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(CategoryListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = categoryService.DeleteCategory(categoryName);
				Toast.makeText(getApplicationContext(), result, 1).show();
				setViews();
				dialog.dismiss();
			}
		});
		builder.setNegativeButton("取消", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				dialog.dismiss();
			}
		});
		builder.create().show();
	}

	private List<Map<String, Object>> getDatas() {
		List<Map<String, Object>> list = new ArrayList<Map<String, Object>>();
		try {
			/* 查询类别信息 */
			List<Category> categoryList = categoryService.QueryCategory(queryConditionCategory);
			for (int i = 0; i < categoryList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("categoryName", categoryList.get(i).getCategoryName());
				map.put("parent", categoryList.get(i).getParent());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加类别");
		menu.add(0, 2, 2, "查询类别");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加类别信息
			Intent intent = new Intent();
			intent.setClass(CategoryListActivity.this, CategoryAddActivity.class);
			startActivity(intent);
			CategoryListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询类别信息*/
			Intent intent = new Intent();
			intent.setClass(CategoryListActivity.this, CategoryQueryActivity.class);
			startActivity(intent);
			CategoryListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(CategoryListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			CategoryListActivity.this.finish();
		}
		return true; 
	}
}
