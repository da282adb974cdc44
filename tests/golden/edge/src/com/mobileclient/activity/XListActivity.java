package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.X;
import com.mobileclient.service.XService;
import com.mobileclient.util.XSimpleAdapter;
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

public class XListActivity extends Activity {
	XSimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	int a;
	/* 某"甲"\\操作业务逻辑层对象 */
	XService xService = new XService();
	/*保存查询参数条件的某"甲"\\对象*/
	private X queryConditionX;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.x_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--某\"甲\"\\列表");
		} else {
			setTitle("您好：" + username + "   当前位置---某\"甲\"\\列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionX = (X)extras.getSerializable("queryConditionX");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new XSimpleAdapter(this, list,
					R.layout.x_list_item,
					new String[] { "a" },
					new int[] { R.id.tv_a});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(xListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	int a = Integer.parseInt(list.get(arg2).get("a").toString());
            	Intent intent = new Intent();
            	intent.setClass(XListActivity.this, XDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putInt("a", a);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener xListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑某\"甲\"\\信息"); 
			menu.add(0, 1, 0, "删除某\"甲\"\\信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑某"甲"\\信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取
			a = Integer.parseInt(list.get(position).get("a").toString());
			Intent intent = new Intent();
			intent.setClass(XListActivity.this, XEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putInt("a", a);
			intent.putExtras(bundle);
			startActivity(intent);
			XListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除某"甲"\\信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取
			a = Integer.parseInt(list.get(position).get("a").toString());
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(XListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = xService.DeleteX(a);
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
			/* 查询某"甲"\\信息 */
			List<X> xList = xService.QueryX(queryConditionX);
			for (int i = 0; i < xList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("a", xList.get(i).getA());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加某\"甲\"\\");
		menu.add(0, 2, 2, "查询某\"甲\"\\");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加某"甲"\\信息
			Intent intent = new Intent();
			intent.setClass(XListActivity.this, XAddActivity.class);
			startActivity(intent);
			XListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询某"甲"\\信息*/
			Intent intent = new Intent();
			intent.setClass(XListActivity.this, XQueryActivity.class);
			startActivity(intent);
			XListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(XListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			XListActivity.this.finish();
		}
		return true; 
	}
}
