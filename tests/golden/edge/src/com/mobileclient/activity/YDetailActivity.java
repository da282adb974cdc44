package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Y;
import com.mobileclient.service.YService;
import com.mobileclient.domain.Profile;
import com.mobileclient.service.ProfileService;
import com.mobileclient.domain.X;
import com.mobileclient.service.XService;
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

public class YDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明乙控件
	private TextView TV_b;
	// 声明档案控件
	private TextView TV_p;
	// 声明@某控件
	private TextView TV_x;
	// 声明日期控件
	private TextView TV_d;
	/* 要保存的另信息 */
	Y y = new Y(); 
	/* 另管理业务逻辑层 */
	private YService yService = new YService();
	private ProfileService profileService = new ProfileService();
	private XService xService = new XService();
	private String b;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看另详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.y_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_b = (TextView) findViewById(R.id.TV_b);
		TV_p = (TextView) findViewById(R.id.TV_p);
		TV_x = (TextView) findViewById(R.id.TV_x);
		TV_d = (TextView) findViewById(R.id.TV_d);
		Bundle extras = this.getIntent().getExtras();
		b = extras.getString("b");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				YDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    y = yService.GetY(b); 
		if (y == null) {
			Toast.makeText(this, "另信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_b.setText(y.getB());
		Profile profile = profileService.GetProfile(y.getP());
		this.TV_p.setText(profile == null ? "" : profile.getLevel() + "");
		X x = xService.GetX(y.getX());
		this.TV_x.setText(x == null ? "" : x.getA() + "");
		Date d = new Date(y.getD().getTime());
		String dStr = (d.getYear() + 1900) + "-" + (d.getMonth()+1) + "-" + d.getDate();
		this.TV_d.setText(dStr);
	} 
}
