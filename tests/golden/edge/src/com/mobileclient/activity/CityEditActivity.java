package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;
import com.mobileclient.util.ImageService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import android.app.Activity;
import android.content.Intent;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.net.Uri;
import android.os.Bundle;
import android.provider.MediaStore;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemSelectedListener;
import android.widget.ArrayAdapter;
import android.widget.Button;
import android.widget.DatePicker;
import android.widget.EditText;
import android.widget.TextView;
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;

public class CityEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明城市编号TextView
	private TextView TV_cityId;
	// 声明名称 & <简称>输入框
	private EditText ET_cityName;
	protected String carmera_path;
	/*要保存的城市信息*/
	City city = new City();
	/*城市管理业务逻辑层*/
	private CityService cityService = new CityService();

	private int cityId;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改城市");
		// 设置当前Activity界面布局
		setContentView(R.layout.city_edit); 
		TV_cityId = (TextView) findViewById(R.id.TV_cityId);
		ET_cityName = (EditText) findViewById(R.id.ET_cityName);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		cityId = extras.getInt("cityId");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改城市按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取名称 & <简称>*/ 
					if(ET_cityName.getText().toString().equals("")) {
						Toast.makeText(CityEditActivity.this, "名称 & <简称>输入不能为空!", Toast.LENGTH_LONG).show();
						ET_cityName.setFocusable(true);
						ET_cityName.requestFocus();
						return;	
					}
					city.setCityName(ET_cityName.getText().toString());
					/*调用业务逻辑层上传城市信息*/
					CityEditActivity.this.setTitle("正在更新城市信息，稍等...");
					String result = cityService.UpdateCity(city);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到城市管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(CityEditActivity.this, CityListActivity.class);
					startActivity(intent); 
					CityEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					CityEditActivity.this.setTitle("手机客户端-修改城市");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    city = cityService.GetCity(cityId);
		if (city == null) {
			Toast.makeText(this, "城市信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_cityId.setText(cityId+"");
		this.ET_cityName.setText(city.getCityName());
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
