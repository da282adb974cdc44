package com.mobileclient.activity;
import java.sql.Timestamp;
import java.util.Date;
import java.util.List;
import com.mobileclient.domain.Trip;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;

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

public class TripQueryActivity extends Activity {
	// 声明查询按钮
	private Button btnQuery;
	// 声明出发城市下拉框
	private Spinner spinner_fromCity;
	private ArrayAdapter<String> fromCity_adapter;
	private static  String[] fromCity_ShowText  = null;
	private List<City> cityList = null; 
	/*城市管理业务逻辑层*/
	private CityService cityService = new CityService();
	// 声明到达城市下拉框
	private Spinner spinner_toCity;
	private ArrayAdapter<String> toCity_adapter;
	private static  String[] toCity_ShowText  = null;
	private List<City> toCityList = null; 
	/*城市管理业务逻辑层*/
	private CityService toCityService = new CityService();
	// 出发日期控件
	private DatePicker dp_startDate;
	private CheckBox cb_startDate;
	// 声明照片输入框
	private EditText ET_photo;
	/*查询过滤条件保存到这个对象中*/
	private Trip queryConditionTrip = new Trip();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-设置查询行程条件");
		// 设置当前Activity界面布局
		setContentView(R.layout.trip_query);
		btnQuery = (Button) findViewById(R.id.btnQuery);
		spinner_fromCity = (Spinner) findViewById(R.id.Spinner_fromCity);
		// 获取所有的城市
		try {
			cityList = cityService.QueryCity(null);
		} catch (Exception e1) {
			e1.printStackTrace();
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			cityList = new java.util.ArrayList<City>();
		}
		int cityCount = cityList.size();
		fromCity_ShowText = new String[cityCount+1];
		fromCity_ShowText[0] = "不限制";
		for(int i=1;i<=cityCount;i++) { 
			fromCity_ShowText[i] = cityList.get(i-1).getCityId() + "";
		} 
		// 将可选内容与ArrayAdapter连接起来
		fromCity_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, fromCity_ShowText);
		// 设置出发城市下拉列表的风格
		fromCity_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_fromCity.setAdapter(fromCity_adapter);
		// 添加事件Spinner事件监听
		spinner_fromCity.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionTrip.setFromCity(cityList.get(arg2-1).getCityId()); 
				else
					queryConditionTrip.setFromCity(0);
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_fromCity.setVisibility(View.VISIBLE);
		spinner_toCity = (Spinner) findViewById(R.id.Spinner_toCity);
		// 获取所有的城市
		try {
			toCityList = toCityService.QueryCity(null);
		} catch (Exception e1) {
			e1.printStackTrace();
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			toCityList = new java.util.ArrayList<City>();
		}
		int toCityCount = toCityList.size();
		toCity_ShowText = new String[toCityCount+1];
		toCity_ShowText[0] = "不限制";
		for(int i=1;i<=toCityCount;i++) { 
			toCity_ShowText[i] = toCityList.get(i-1).getCityId() + "";
		} 
		// 将可选内容与ArrayAdapter连接起来
		toCity_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, toCity_ShowText);
		// 设置到达城市下拉列表的风格
		toCity_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_toCity.setAdapter(toCity_adapter);
		// 添加事件Spinner事件监听
		spinner_toCity.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionTrip.setToCity(toCityList.get(arg2-1).getCityId()); 
				else
					queryConditionTrip.setToCity(0);
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_toCity.setVisibility(View.VISIBLE);
		dp_startDate = (DatePicker) findViewById(R.id.dp_startDate);
		cb_startDate = (CheckBox) findViewById(R.id.cb_startDate);
		ET_photo = (EditText) findViewById(R.id.ET_photo);
		/*单击查询按钮*/
		btnQuery.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取查询参数*/
					if(cb_startDate.isChecked()) {
						/*获取出发日期*/
						Date startDate = new Date(dp_startDate.getYear()-1900,dp_startDate.getMonth(),dp_startDate.getDayOfMonth());
						queryConditionTrip.setStartDate(new Timestamp(startDate.getTime()));
					} else {
						queryConditionTrip.setStartDate(null);
					} 
					queryConditionTrip.setPhoto(ET_photo.getText().toString());
					/*操作完成后返回到行程管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(TripQueryActivity.this, TripListActivity.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionTrip", queryConditionTrip);
					intent.putExtras(bundle);
					startActivity(intent);  
					TripQueryActivity.this.finish();
				} catch (Exception e) {}
			}
			});
	}
}
