package com.mobileclient.activity;
import java.sql.Timestamp;
import java.util.Date;
import java.util.List;
import com.mobileclient.domain.Y;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.domain.Profile;
import com.mobileclient.service.ProfileService;
import com.mobileclient.domain.X;
import com.mobileclient.service.XService;

import android.app.Activity;
import android.content.Intent;
import android.os.Bundle;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemSelectedListener;
import android.widget.ArrayAdapter;
import android.widget.Button;
import android.widget.CheckBox;
import android.widget.DatePicker;
import android.widget.EditText;
import android.widget.Spinner;
import android.widget.Toast;

public class YQueryActivity extends Activity {
	// 声明查询按钮
	private Button btnQuery;
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
	/*某"甲"\\管理业务逻辑层*/
	private XService xService = new XService();
	/*查询过滤条件保存到这个对象中*/
	private Y queryConditionY = new Y();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-设置查询另条件");
		// 设置当前Activity界面布局
		setContentView(R.layout.y_query);
		btnQuery = (Button) findViewById(R.id.btnQuery);
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
		p_ShowText = new String[profileCount+1];
		p_ShowText[0] = "不限制";
		for(int i=1;i<=profileCount;i++) { 
			p_ShowText[i] = profileList.get(i-1).getLevel() + "";
		} 
		// 将可选内容与ArrayAdapter连接起来
		p_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, p_ShowText);
		// 设置档案下拉列表的风格
		p_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_p.setAdapter(p_adapter);
		// 添加事件Spinner事件监听
		spinner_p.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionY.setP(profileList.get(arg2-1).getTrip()); 
				else
					queryConditionY.setP("");
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_p.setVisibility(View.VISIBLE);
		spinner_x = (Spinner) findViewById(R.id.Spinner_x);
		// 获取所有的某"甲"\\
		try {
			xList = xService.QueryX(null);
		} catch (Exception e1) {
			e1.printStackTrace();
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			xList = new java.util.ArrayList<X>();
		}
		int xCount = xList.size();
		x_ShowText = new String[xCount+1];
		x_ShowText[0] = "不限制";
		for(int i=1;i<=xCount;i++) { 
			x_ShowText[i] = xList.get(i-1).getA() + "";
		} 
		// 将可选内容与ArrayAdapter连接起来
		x_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, x_ShowText);
		// 设置@某下拉列表的风格
		x_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_x.setAdapter(x_adapter);
		// 添加事件Spinner事件监听
		spinner_x.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if(arg2 != 0)
					queryConditionY.setX(xList.get(arg2-1).getA()); 
				else
					queryConditionY.setX(0);
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_x.setVisibility(View.VISIBLE);
		/*单击查询按钮*/
		btnQuery.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取查询参数*/
					/*操作完成后返回到另管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(YQueryActivity.this, YListActivity.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionY", queryConditionY);
					intent.putExtras(bundle);
					startActivity(intent);  
					YQueryActivity.this.finish();
				} catch (Exception e) {}
			}
			});
	}
}
