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
import com.mobileclient.domain.Y;
import com.mobileclient.service.YService;
import com.mobileclient.domain.Profile;
import com.mobileclient.service.ProfileService;
import com.mobileclient.domain.X;
import com.mobileclient.service.XService;
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

public class YEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明乙TextView
	private TextView TV_b;
	// 声明档案下拉框
	private Spinner spinner_p;
	private ArrayAdapter<String> p_adapter;
	private static  String[] p_ShowText  = null;
	private List<Profile> profileList = null;
	/*档案管理业务逻辑层*/
	private ProfileService profileService = new ProfileService();
	// 声明@某下拉框
	private Spinner spinner_x;
	private ArrayAdapter<String> x_adapter;
	private static  String[] x_ShowText  = null;
	private List<X> xList = null;
	/*@某管理业务逻辑层*/
	private XService xService = new XService();
	// 出版日期控件
	private DatePicker dp_d;
	protected String carmera_path;
	/*要保存的另信息*/
	Y y = new Y();
	/*另管理业务逻辑层*/
	private YService yService = new YService();

	private String b;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改另");
		// 设置当前Activity界面布局
		setContentView(R.layout.y_edit); 
		TV_b = (TextView) findViewById(R.id.TV_b);
		spinner_p = (Spinner) findViewById(R.id.Spinner_p);
		// 获取所有的档案
		try {
			profileList = profileService.QueryProfile(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			profileList = new java.util.ArrayList<Profile>();
		}
		int profileCount = profileList.size();
		p_ShowText = new String[profileCount];
		for(int i=0;i<profileCount;i++) { 
			p_ShowText[i] = profileList.get(i).getLevel() + "";
		}
		// 将可选内容与ArrayAdapter连接起来
		p_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, p_ShowText);
		// 设置图书类别下拉列表的风格
		p_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_p.setAdapter(p_adapter);
		// 添加事件Spinner事件监听
		spinner_p.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (profileList.get(arg2) != null) y.setP(profileList.get(arg2).getTrip()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_p.setVisibility(View.VISIBLE);
		spinner_x = (Spinner) findViewById(R.id.Spinner_x);
		// 获取所有的@某
		try {
			xList = xService.QueryX(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			xList = new java.util.ArrayList<X>();
		}
		int xCount = xList.size();
		x_ShowText = new String[xCount];
		for(int i=0;i<xCount;i++) { 
			x_ShowText[i] = xList.get(i).getA() + "";
		}
		// 将可选内容与ArrayAdapter连接起来
		x_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, x_ShowText);
		// 设置图书类别下拉列表的风格
		x_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_x.setAdapter(x_adapter);
		// 添加事件Spinner事件监听
		spinner_x.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (xList.get(arg2) != null) y.setX(xList.get(arg2).getA()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_x.setVisibility(View.VISIBLE);
		dp_d = (DatePicker)this.findViewById(R.id.dp_d);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		b = extras.getString("b");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改另按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取出版日期*/
					Date d = new Date(dp_d.getYear()-1900,dp_d.getMonth(),dp_d.getDayOfMonth());
					y.setD(new Timestamp(d.getTime()));
					/*调用业务逻辑层上传另信息*/
					YEditActivity.this.setTitle("正在更新另信息，稍等...");
					String result = yService.UpdateY(y);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到另管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(YEditActivity.this, YListActivity.class);
					startActivity(intent); 
					YEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					YEditActivity.this.setTitle("手机客户端-修改另");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    y = yService.GetY(b);
		if (y == null) {
			Toast.makeText(this, "另信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_b.setText(b);
		for (int i = 0; i <= profileList.size(); i++) {
			if (i == profileList.size()) {
				/*没有这个档案: 显示为空, 不选时保存原值*/
				profileList.add(0, null);
				p_adapter = new ArrayAdapter<String>(this, android.R.layout.simple_spinner_item);
				p_adapter.add("");
				p_adapter.addAll(p_ShowText);
				p_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
				this.spinner_p.setAdapter(p_adapter);
				break;
			}
			if (y.getP().equals(profileList.get(i).getTrip())) {
				this.spinner_p.setSelection(i);
				break;
			}
		}
		for (int i = 0; i <= xList.size(); i++) {
			if (i == xList.size()) {
				/*没有这个@某: 显示为空, 不选时保存原值*/
				xList.add(0, null);
				x_adapter = new ArrayAdapter<String>(this, android.R.layout.simple_spinner_item);
				x_adapter.add("");
				x_adapter.addAll(x_ShowText);
				x_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
				this.spinner_x.setAdapter(x_adapter);
				break;
			}
			if (y.getX() == xList.get(i).getA()) {
				this.spinner_x.setSelection(i);
				break;
			}
		}
		Date d = new Date(y.getD().getTime());
		this.dp_d.init(d.getYear() + 1900,d.getMonth(), d.getDate(), null);
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
