package com.mobileclient.activity;
import java.sql.Timestamp;
import java.util.Date;
import java.util.List;
import com.mobileclient.domain.City;
import com.mobileclient.util.HttpUtil;

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

public class CityQueryActivity extends Activity {
	// 声明查询按钮
	private Button btnQuery;
	// 声明名称 & <简称>输入框
	private EditText ET_cityName;
	/*查询过滤条件保存到这个对象中*/
	private City queryConditionCity = new City();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-设置查询城市条件");
		// 设置当前Activity界面布局
		setContentView(R.layout.city_query);
		btnQuery = (Button) findViewById(R.id.btnQuery);
		ET_cityName = (EditText) findViewById(R.id.ET_cityName);
		/*单击查询按钮*/
		btnQuery.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取查询参数*/
					queryConditionCity.setCityName(ET_cityName.getText().toString());
					/*操作完成后返回到城市管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(CityQueryActivity.this, CityListActivity.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionCity", queryConditionCity);
					intent.putExtras(bundle);
					startActivity(intent);  
					CityQueryActivity.this.finish();
				} catch (Exception e) {}
			}
			});
	}
}
