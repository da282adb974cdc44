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

public class XEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明TextView
	private TextView TV_a;
	// 声明?问"答" C:\\users * /完输入框
	private EditText ET_t;
	protected String carmera_path;
	/*要保存的某"甲"\\信息*/
	X x = new X();
	/*某"甲"\\管理业务逻辑层*/
	private XService xService = new XService();

	private int a;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改某\"甲\"\\");
		// 设置当前Activity界面布局
		setContentView(R.layout.x_edit); 
		TV_a = (TextView) findViewById(R.id.TV_a);
		ET_t = (EditText) findViewById(R.id.ET_t);
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		a = extras.getInt("a");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改某"甲"\\按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取?问"答" C:\\users * /完*/ 
					if(ET_t.getText().toString().equals("")) {
						Toast.makeText(XEditActivity.this, "?问\"答\"\nC:\\users */完输入不能为空!", Toast.LENGTH_LONG).show();
						ET_t.setFocusable(true);
						ET_t.requestFocus();
						return;	
					}
					x.setT(ET_t.getText().toString());
					/*调用业务逻辑层上传某"甲"\\信息*/
					XEditActivity.this.setTitle("正在更新某\"甲\"\\信息，稍等...");
					String result = xService.UpdateX(x);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到某"甲"\\管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(XEditActivity.this, XListActivity.class);
					startActivity(intent); 
					XEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					XEditActivity.this.setTitle("手机客户端-修改某\"甲\"\\");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    x = xService.GetX(a);
		if (x == null) {
			Toast.makeText(this, "某\"甲\"\\信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_a.setText(a+"");
		this.ET_t.setText(x.getT());
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
	}
}
