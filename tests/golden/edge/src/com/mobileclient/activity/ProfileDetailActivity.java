package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Profile;
import com.mobileclient.service.ProfileService;
import com.mobileclient.domain.Trip;
import com.mobileclient.service.TripService;
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

public class ProfileDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明行程控件
	private TextView TV_trip;
	// 声明等级控件
	private TextView TV_level;
	// 声明控件
	private TextView TV_since;
	/* 要保存的档案信息 */
	Profile profile = new Profile(); 
	/* 档案管理业务逻辑层 */
	private ProfileService profileService = new ProfileService();
	private TripService tripService = new TripService();
	private String trip;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看档案详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.profile_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_trip = (TextView) findViewById(R.id.TV_trip);
		TV_level = (TextView) findViewById(R.id.TV_level);
		TV_since = (TextView) findViewById(R.id.TV_since);
		Bundle extras = this.getIntent().getExtras();
		trip = extras.getString("trip");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				ProfileDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    profile = profileService.GetProfile(trip); 
		if (profile == null) {
			Toast.makeText(this, "档案信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		Trip trip = tripService.GetTrip(profile.getTrip());
		this.TV_trip.setText(trip == null ? "" : trip.getTripNo());
		this.TV_level.setText(profile.getLevel() + "");
		Date since = new Date(profile.getSince().getTime());
		String sinceStr = (since.getYear() + 1900) + "-" + (since.getMonth()+1) + "-" + since.getDate();
		this.TV_since.setText(sinceStr);
	} 
}
