package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.util.CitySimpleAdapter;
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

public class CityListActivity extends Activity {
	CitySimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	int cityId;
	/* 城市操作业务逻辑层对象 */
	CityService cityService = new CityService();
	/*保存查询参数条件的城市对象*/
	private City queryConditionCity;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.city_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--城市列表");
		} else {
			setTitle("您好：" + username + "   当前位置---城市列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionCity = (City)extras.getSerializable("queryConditionCity");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new CitySimpleAdapter(this, list,
					R.layout.city_list_item,
					new String[] { "cityId" },
					new int[] { R.id.tv_cityId});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(cityListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	int cityId = Integer.parseInt(list.get(arg2).get("cityId").toString());
            	Intent intent = new Intent();
            	intent.setClass(CityListActivity.this, CityDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putInt("cityId", cityId);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener cityListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑城市信息"); 
			menu.add(0, 1, 0, "删除城市信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑城市信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取城市编号
			cityId = Integer.parseInt(list.get(position).get("cityId").toString());
			Intent intent = new Intent();
			intent.setClass(CityListActivity.this, CityEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putInt("cityId", cityId);
			intent.putExtras(bundle);
			startActivity(intent);
			CityListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除城市信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取城市编号
			cityId = Integer.parseInt(list.get(position).get("cityId").toString());
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(CityListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = cityService.DeleteCity(cityId);
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
			/* 查询城市信息 */
			List<City> cityList = cityService.QueryCity(queryConditionCity);
			for (int i = 0; i < cityList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("cityId", cityList.get(i).getCityId());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加城市");
		menu.add(0, 2, 2, "查询城市");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加城市信息
			Intent intent = new Intent();
			intent.setClass(CityListActivity.this, CityAddActivity.class);
			startActivity(intent);
			CityListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询城市信息*/
			Intent intent = new Intent();
			intent.setClass(CityListActivity.this, CityQueryActivity.class);
			startActivity(intent);
			CityListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(CityListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			CityListActivity.this.finish();
		}
		return true; 
	}
}
