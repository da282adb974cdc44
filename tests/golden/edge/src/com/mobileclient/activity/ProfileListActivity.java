package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.Profile;
import com.mobileclient.service.ProfileService;
import com.mobileclient.util.ProfileSimpleAdapter;
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

public class ProfileListActivity extends Activity {
	ProfileSimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	String trip;
	/* 档案操作业务逻辑层对象 */
	ProfileService profileService = new ProfileService();
	/*保存查询参数条件的档案对象*/
	private Profile queryConditionProfile;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.profile_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--档案列表");
		} else {
			setTitle("您好：" + username + "   当前位置---档案列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionProfile = (Profile)extras.getSerializable("queryConditionProfile");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new ProfileSimpleAdapter(this, list,
					R.layout.profile_list_item,
					new String[] { "level" },
					new int[] { R.id.tv_level});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(profileListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	String trip = list.get(arg2).get("trip").toString();
            	Intent intent = new Intent();
            	intent.setClass(ProfileListActivity.this, ProfileDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putString("trip", trip);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener profileListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑档案信息"); 
			menu.add(0, 1, 0, "删除档案信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑档案信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取行程
			trip = list.get(position).get("trip").toString();
			Intent intent = new Intent();
			intent.setClass(ProfileListActivity.this, ProfileEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putString("trip", trip);
			intent.putExtras(bundle);
			startActivity(intent);
			ProfileListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除档案信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取行程
			trip = list.get(position).get("trip").toString();
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(ProfileListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = profileService.DeleteProfile(trip);
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
			/* 查询档案信息 */
			List<Profile> profileList = profileService.QueryProfile(queryConditionProfile);
			for (int i = 0; i < profileList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("trip",profileList.get(i).getTrip());
				map.put("level", profileList.get(i).getLevel());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加档案");
		menu.add(0, 2, 2, "查询档案");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加档案信息
			Intent intent = new Intent();
			intent.setClass(ProfileListActivity.this, ProfileAddActivity.class);
			startActivity(intent);
			ProfileListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询档案信息*/
			Intent intent = new Intent();
			intent.setClass(ProfileListActivity.this, ProfileQueryActivity.class);
			startActivity(intent);
			ProfileListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(ProfileListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			ProfileListActivity.this.finish();
		}
		return true; 
	}
}
