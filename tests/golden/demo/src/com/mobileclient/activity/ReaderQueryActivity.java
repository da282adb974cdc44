package com.mobileclient.activity;
import java.sql.Timestamp;
import java.util.Date;
import java.util.List;
import com.mobileclient.domain.Reader;
import com.mobileclient.util.HttpUtil;

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

public class ReaderQueryActivity extends Activity {
	// 声明查询按钮
	private Button btnQuery;
	// 声明读者编号输入框
	private EditText ET_readerNo;
	// 声明读者姓名输入框
	private EditText ET_readerName;
	/*查询过滤条件保存到这个对象中*/
	private Reader queryConditionReader = new Reader();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-设置查询读者条件");
		// 设置当前Activity界面布局
		setContentView(R.layout.reader_query);
		btnQuery = (Button) findViewById(R.id.btnQuery);
		ET_readerNo = (EditText) findViewById(R.id.ET_readerNo);
		ET_readerName = (EditText) findViewById(R.id.ET_readerName);
		/*单击查询按钮*/
		btnQuery.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*获取查询参数*/
					queryConditionReader.setReaderNo(ET_readerNo.getText().toString());
					queryConditionReader.setReaderName(ET_readerName.getText().toString());
					/*操作完成后返回到读者管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(ReaderQueryActivity.this, ReaderListActivity.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionReader", queryConditionReader);
					intent.putExtras(bundle);
					startActivity(intent);  
					ReaderQueryActivity.this.finish();
				} catch (Exception e) {}
			}
			});
	}
}
