package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.Badge;
import com.mobileclient.service.BadgeService;
import com.mobileclient.util.BadgeSimpleAdapter;
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

public class BadgeListActivity extends Activity {
	BadgeSimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	String badgePic;
	/* 徽章操作业务逻辑层对象 */
	BadgeService badgeService = new BadgeService();
	/*保存查询参数条件的徽章对象*/
	private Badge queryConditionBadge;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.badge_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--徽章列表");
		} else {
			setTitle("您好：" + username + "   当前位置---徽章列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionBadge = (Badge)extras.getSerializable("queryConditionBadge");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new BadgeSimpleAdapter(this, list,
					R.layout.badge_list_item,
					new String[] { "label" },
					new int[] { R.id.tv_label});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(badgeListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	String badgePic = list.get(arg2).get("badgePic").toString();
            	Intent intent = new Intent();
            	intent.setClass(BadgeListActivity.this, BadgeDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putString("badgePic", badgePic);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener badgeListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑徽章信息"); 
			menu.add(0, 1, 0, "删除徽章信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑徽章信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取徽章图
			badgePic = list.get(position).get("badgePic").toString();
			Intent intent = new Intent();
			intent.setClass(BadgeListActivity.this, BadgeEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putString("badgePic", badgePic);
			intent.putExtras(bundle);
			startActivity(intent);
			BadgeListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除徽章信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取徽章图
			badgePic = list.get(position).get("badgePic").toString();
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(BadgeListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = badgeService.DeleteBadge(badgePic);
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
			/* 查询徽章信息 */
			List<Badge> badgeList = badgeService.QueryBadge(queryConditionBadge);
			for (int i = 0; i < badgeList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("badgePic",badgeList.get(i).getBadgePic());
				map.put("label", badgeList.get(i).getLabel());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加徽章");
		menu.add(0, 2, 2, "查询徽章");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加徽章信息
			Intent intent = new Intent();
			intent.setClass(BadgeListActivity.this, BadgeAddActivity.class);
			startActivity(intent);
			BadgeListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询徽章信息*/
			Intent intent = new Intent();
			intent.setClass(BadgeListActivity.this, BadgeQueryActivity.class);
			startActivity(intent);
			BadgeListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(BadgeListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			BadgeListActivity.this.finish();
		}
		return true; 
	}
}
