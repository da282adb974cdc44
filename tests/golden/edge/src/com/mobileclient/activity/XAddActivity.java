package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

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
public class XAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明?问"答" C:\\users * /完输入框
	private EditText ET_t;
	protected String carmera_path;
	/*要保存的某"甲"\\信息*/
	X x = new X();
	/*某"甲"\\管理业务逻辑层*/
	private XService xService = new XService();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加某\"甲\"\\");
		// 设置当前Activity界面布局
		setContentView(R.layout.x_add); 
		ET_t = (EditText) findViewById(R.id.ET_t);
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加某"甲"\\按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取?问"答" C:\\users * /完*/ 
					if(ET_t.getText().toString().equals("")) {
						Toast.makeText(XAddActivity.this, "?问\"答\"\nC:\\users */完输入不能为空!", Toast.LENGTH_LONG).show();
						ET_t.setFocusable(true);
						ET_t.requestFocus();
						return;	
					}
					x.setT(ET_t.getText().toString());
					/*调用业务逻辑层上传某"甲"\\信息*/
					XAddActivity.this.setTitle("正在上传某\"甲\"\\信息，稍等...");
					String result = xService.AddX(x);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到某"甲"\\管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(XAddActivity.this, XListActivity.class);
					startActivity(intent); 
					XAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					XAddActivity.this.setTitle("手机客户端-添加某\"甲\"\\");
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
