package com.mobileclient.activity;

import java.util.Date;
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

public class XDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明控件
	private TextView TV_a;
	// 声明?问"答" C:\\users * /完控件
	private TextView TV_t;
	/* 要保存的某"甲"\\信息 */
	X x = new X(); 
	/* 某"甲"\\管理业务逻辑层 */
	private XService xService = new XService();
	private int a;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看某\"甲\"\\详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.x_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_a = (TextView) findViewById(R.id.TV_a);
		TV_t = (TextView) findViewById(R.id.TV_t);
		Bundle extras = this.getIntent().getExtras();
		a = extras.getInt("a");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				XDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    x = xService.GetX(a); 
		if (x == null) {
			Toast.makeText(this, "某\"甲\"\\信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_a.setText(x.getA() + "");
		this.TV_t.setText(x.getT());
	} 
}
