package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

import com.mobileclient.domain.Profile;
import com.mobileclient.service.ProfileService;
import com.mobileclient.domain.Trip;
import com.mobileclient.service.TripService;
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
public class ProfileAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明行程输入框
	private EditText ET_trip;
	// 声明等级输入框
	private EditText ET_level;
	// 出版控件
	private DatePicker dp_since;
	protected String carmera_path;
	/*要保存的档案信息*/
	Profile profile = new Profile();
	/*档案管理业务逻辑层*/
	private ProfileService profileService = new ProfileService();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加档案");
		// 设置当前Activity界面布局
		setContentView(R.layout.profile_add); 
		ET_trip = (EditText) findViewById(R.id.ET_trip);
		ET_level = (EditText) findViewById(R.id.ET_level);
		dp_since = (DatePicker)this.findViewById(R.id.dp_since);
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加档案按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取行程*/
					if(ET_trip.getText().toString().equals("")) {
						Toast.makeText(ProfileAddActivity.this, "行程输入不能为空!", Toast.LENGTH_LONG).show();
						ET_trip.setFocusable(true);
						ET_trip.requestFocus();
						return;
					}
					profile.setTrip(ET_trip.getText().toString());
					/*验证获取等级*/ 
					if(ET_level.getText().toString().equals("")) {
						Toast.makeText(ProfileAddActivity.this, "等级输入不能为空!", Toast.LENGTH_LONG).show();
						ET_level.setFocusable(true);
						ET_level.requestFocus();
						return;	
					}
					try {
						profile.setLevel(Float.parseFloat(ET_level.getText().toString()));
					} catch (NumberFormatException e) {
						Toast.makeText(ProfileAddActivity.this, "等级不是有效的数字!", Toast.LENGTH_LONG).show();
						ET_level.requestFocus();
						return;
					}
					/*获取出版日期*/
					Date since = new Date(dp_since.getYear()-1900,dp_since.getMonth(),dp_since.getDayOfMonth());
					profile.setSince(new Timestamp(since.getTime()));
					/*调用业务逻辑层上传档案信息*/
					ProfileAddActivity.this.setTitle("正在上传档案信息，稍等...");
					String result = profileService.AddProfile(profile);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到档案管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(ProfileAddActivity.this, ProfileListActivity.class);
					startActivity(intent); 
					ProfileAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					ProfileAddActivity.this.setTitle("手机客户端-添加档案");
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
