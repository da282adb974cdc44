package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.Trip;
import com.mobileclient.service.TripService;
import com.mobileclient.util.TripSimpleAdapter;
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

public class TripListActivity extends Activity {
	TripSimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	String tripNo;
	/* 行程操作业务逻辑层对象 */
	TripService tripService = new TripService();
	/*保存查询参数条件的行程对象*/
	private Trip queryConditionTrip;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.trip_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--行程列表");
		} else {
			setTitle("您好：" + username + "   当前位置---行程列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionTrip = (Trip)extras.getSerializable("queryConditionTrip");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new TripSimpleAdapter(this, list,
					R.layout.trip_list_item,
					new String[] { "tripNo","fromCity","startDate","photo" },
					new int[] { R.id.tv_tripNo,R.id.tv_fromCity,R.id.tv_startDate,R.id.iv_photo});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(tripListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	String tripNo = list.get(arg2).get("tripNo").toString();
            	Intent intent = new Intent();
            	intent.setClass(TripListActivity.this, TripDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putString("tripNo", tripNo);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener tripListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑行程信息"); 
			menu.add(0, 1, 0, "删除行程信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑行程信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取行程号
			tripNo = list.get(position).get("tripNo").toString();
			Intent intent = new Intent();
			intent.setClass(TripListActivity.this, TripEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putString("tripNo", tripNo);
			intent.putExtras(bundle);
			startActivity(intent);
			TripListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除行程信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取行程号
			tripNo = list.get(position).get("tripNo").toString();
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(TripListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = tripService.DeleteTrip(tripNo);
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
			/* 查询行程信息 */
			List<Trip> tripList = tripService.QueryTrip(queryConditionTrip);
			for (int i = 0; i < tripList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("tripNo", tripList.get(i).getTripNo());
				map.put("fromCity", tripList.get(i).getFromCity());
				map.put("startDate", tripList.get(i).getStartDate());
				map.put("photo", ImageService.getThumbnail(HttpUtil.BASE_URL+ tripList.get(i).getPhoto(), 100*100));// 获取图片数据
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加行程");
		menu.add(0, 2, 2, "查询行程");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加行程信息
			Intent intent = new Intent();
			intent.setClass(TripListActivity.this, TripAddActivity.class);
			startActivity(intent);
			TripListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询行程信息*/
			Intent intent = new Intent();
			intent.setClass(TripListActivity.this, TripQueryActivity.class);
			startActivity(intent);
			TripListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(TripListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			TripListActivity.this.finish();
		}
		return true; 
	}
}
