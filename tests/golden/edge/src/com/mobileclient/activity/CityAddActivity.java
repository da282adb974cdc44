package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

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
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;
public class CityAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明名称 & <简称>输入框
	private EditText ET_cityName;
	protected String carmera_path;
	/*要保存的城市信息*/
	City city = new City();
	/*城市管理业务逻辑层*/
	private CityService cityService = new CityService();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加城市");
		// 设置当前Activity界面布局
		setContentView(R.layout.city_add); 
		ET_cityName = (EditText) findViewById(R.id.ET_cityName);
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加城市按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取名称 & <简称>*/ 
					if(ET_cityName.getText().toString().equals("")) {
						Toast.makeText(CityAddActivity.this, "名称 & <简称>输入不能为空!", Toast.LENGTH_LONG).show();
						ET_cityName.setFocusable(true);
						ET_cityName.requestFocus();
						return;	
					}
					city.setCityName(ET_cityName.getText().toString());
					/*调用业务逻辑层上传城市信息*/
					CityAddActivity.this.setTitle("正在上传城市信息，稍等...");
					String result = cityService.AddCity(city);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到城市管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(CityAddActivity.this, CityListActivity.class);
					startActivity(intent); 
					CityAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					CityAddActivity.this.setTitle("手机客户端-添加城市");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
