package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

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
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;
public class YAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明乙输入框
	private EditText ET_b;
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

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加另");
		// 设置当前Activity界面布局
		setContentView(R.layout.y_add); 
		ET_b = (EditText) findViewById(R.id.ET_b);
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
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加另按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取乙*/
					if(ET_b.getText().toString().equals("")) {
						Toast.makeText(YAddActivity.this, "乙输入不能为空!", Toast.LENGTH_LONG).show();
						ET_b.setFocusable(true);
						ET_b.requestFocus();
						return;
					}
					y.setB(ET_b.getText().toString());
					/*获取出版日期*/
					Date d = new Date(dp_d.getYear()-1900,dp_d.getMonth(),dp_d.getDayOfMonth());
					y.setD(new Timestamp(d.getTime()));
					/*调用业务逻辑层上传另信息*/
					YAddActivity.this.setTitle("正在上传另信息，稍等...");
					String result = yService.AddY(y);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到另管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(YAddActivity.this, YListActivity.class);
					startActivity(intent); 
					YAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					YAddActivity.this.setTitle("手机客户端-添加另");
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
