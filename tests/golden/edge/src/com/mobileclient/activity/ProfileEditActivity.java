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
import android.widget.TextView;
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;

public class ProfileEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明行程TextView
	private TextView TV_trip;
	// 声明等级输入框
	private EditText ET_level;
	// 出版控件
	private DatePicker dp_since;
	protected String carmera_path;
	/*要保存的档案信息*/
	Profile profile = new Profile();
	/*档案管理业务逻辑层*/
	private ProfileService profileService = new ProfileService();

	private String trip;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改档案");
		// 设置当前Activity界面布局
		setContentView(R.layout.profile_edit); 
		TV_trip = (TextView) findViewById(R.id.TV_trip);
		ET_level = (EditText) findViewById(R.id.ET_level);
		dp_since = (DatePicker)this.findViewById(R.id.dp_since);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		trip = extras.getString("trip");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改档案按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取等级*/ 
					if(ET_level.getText().toString().equals("")) {
						Toast.makeText(ProfileEditActivity.this, "等级输入不能为空!", Toast.LENGTH_LONG).show();
						ET_level.setFocusable(true);
						ET_level.requestFocus();
						return;	
					}
					try {
						profile.setLevel(Float.parseFloat(ET_level.getText().toString()));
					} catch (NumberFormatException e) {
						Toast.makeText(ProfileEditActivity.this, "等级不是有效的数字!", Toast.LENGTH_LONG).show();
						ET_level.requestFocus();
						return;
					}
					/*获取出版日期*/
					Date since = new Date(dp_since.getYear()-1900,dp_since.getMonth(),dp_since.getDayOfMonth());
					profile.setSince(new Timestamp(since.getTime()));
					/*调用业务逻辑层上传档案信息*/
					ProfileEditActivity.this.setTitle("正在更新档案信息，稍等...");
					String result = profileService.UpdateProfile(profile);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到档案管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(ProfileEditActivity.this, ProfileListActivity.class);
					startActivity(intent); 
					ProfileEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					ProfileEditActivity.this.setTitle("手机客户端-修改档案");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    profile = profileService.GetProfile(trip);
		if (profile == null) {
			Toast.makeText(this, "档案信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_trip.setText(trip);
		this.ET_level.setText(profile.getLevel() + "");
		Date since = new Date(profile.getSince().getTime());
		this.dp_since.init(since.getYear() + 1900,since.getMonth(), since.getDate(), null);
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
