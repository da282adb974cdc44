package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;
import android.app.Activity;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.os.Bundle;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.Button;
import android.widget.ImageView;
import android.widget.TextView;
import android.widget.Toast;

public class CityDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明城市编号控件
	private TextView TV_cityId;
	// 声明名称 & <简称>控件
	private TextView TV_cityName;
	/* 要保存的城市信息 */
	City city = new City(); 
	/* 城市管理业务逻辑层 */
	private CityService cityService = new CityService();
	private int cityId;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看城市详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.city_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_cityId = (TextView) findViewById(R.id.TV_cityId);
		TV_cityName = (TextView) findViewById(R.id.TV_cityName);
		Bundle extras = this.getIntent().getExtras();
		cityId = extras.getInt("cityId");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				CityDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    city = cityService.GetCity(cityId); 
		if (city == null) {
			Toast.makeText(this, "城市信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_cityId.setText(city.getCityId() + "");
		this.TV_cityName.setText(city.getCityName());
	} 
}
