package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.Y;
import com.mobileclient.service.YService;
import com.mobileclient.util.YSimpleAdapter;
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

public class YListActivity extends Activity {
	YSimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	String b;
	/* 另操作业务逻辑层对象 */
	YService yService = new YService();
	/*保存查询参数条件的另对象*/
	private Y queryConditionY;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.y_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--另列表");
		} else {
			setTitle("您好：" + username + "   当前位置---另列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionY = (Y)extras.getSerializable("queryConditionY");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new YSimpleAdapter(this, list,
					R.layout.y_list_item,
					new String[] { "b","p" },
					new int[] { R.id.tv_b,R.id.tv_p});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(yListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	String b = list.get(arg2).get("b").toString();
            	Intent intent = new Intent();
            	intent.setClass(YListActivity.this, YDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putString("b", b);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener yListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑另信息"); 
			menu.add(0, 1, 0, "删除另信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑另信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取乙
			b = list.get(position).get("b").toString();
			Intent intent = new Intent();
			intent.setClass(YListActivity.this, YEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putString("b", b);
			intent.putExtras(bundle);
			startActivity(intent);
			YListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除另信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取乙
			b = list.get(position).get("b").toString();
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(YListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = yService.DeleteY(b);
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
			/* 查询另信息 */
			List<Y> yList = yService.QueryY(queryConditionY);
			for (int i = 0; i < yList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("b", yList.get(i).getB());
				map.put("p", yList.get(i).getP());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加另");
		menu.add(0, 2, 2, "查询另");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加另信息
			Intent intent = new Intent();
			intent.setClass(YListActivity.this, YAddActivity.class);
			startActivity(intent);
			YListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询另信息*/
			Intent intent = new Intent();
			intent.setClass(YListActivity.this, YQueryActivity.class);
			startActivity(intent);
			YListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(YListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			YListActivity.this.finish();
		}
		return true; 
	}
}
