package com.mobileclient.activity;

import com.mobileclient.app.Declare;

import android.app.Activity;
import android.content.Context;
import android.content.Intent;
import android.os.Bundle;
import android.view.LayoutInflater;
import android.view.Menu;
import android.view.MenuItem;
import android.view.View;
import android.view.View.OnClickListener;
import android.view.ViewGroup;
import android.widget.ArrayAdapter;
import android.widget.GridView;
import android.widget.ImageView;
import android.widget.TextView;

/* 主界面: 每个管理模块一个图标, 单击图标进入该模块的列表界面 */
public class MainMenuActivity extends Activity {
	/* 选项菜单中"服务器设置"的编号 */
	private static final int MENU_SERVER_SETTINGS = Menu.FIRST;
        // 图片资源数组
        private Integer[] mThumbIds = {
                
        };
        private String[] menuString = {};

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.main_menu);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("手机客户端-主界面");
		} else {
			setTitle("您好：" + username + "   当前位置---主界面");
		}
		GridView menuGrid = (GridView) findViewById(R.id.main_menu_grid);
		menuGrid.setAdapter(new MenuAdapter(this));
	}

	/* 选项菜单: 服务器设置 */
	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(Menu.NONE, MENU_SERVER_SETTINGS, Menu.NONE, R.string.server_settings);
		return true;
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == MENU_SERVER_SETTINGS) {
			startActivity(new Intent(this, ServerSettingsActivity.class));
			return true;
		}
		return super.onOptionsItemSelected(item);
	}

	/* 各模块的单击监听器 */

	/* 菜单网格的适配器: 每个单元格是图标加模块名称, 单击时启动该模块的界面 */
	private class MenuAdapter extends ArrayAdapter<String> {
		private final LayoutInflater inflater;

		MenuAdapter(Context context) {
			super(context, R.layout.main_menu_cell, menuString);
			inflater = LayoutInflater.from(context);
		}

		@Override
		public View getView(int position, View convertView, ViewGroup parent) {
			View view = convertView != null ? convertView : inflater.inflate(R.layout.main_menu_cell, parent, false);
			ImageView icon = (ImageView) view.findViewById(R.id.main_menu_icon);
			TextView label = (TextView) view.findViewById(R.id.main_menu_label);
			icon.setImageResource(mThumbIds[position]);
			label.setText(menuString[position]);
			switch (position) {

				default:
					break;
			}
			return view;
		}
	}
}
