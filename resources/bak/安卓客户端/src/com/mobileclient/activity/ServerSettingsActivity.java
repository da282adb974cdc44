package com.mobileclient.activity;

import com.mobileclient.app.Declare;
import com.mobileclient.util.HttpUtil;

import android.app.Activity;
import android.os.Bundle;
import android.view.View;
import android.view.View.OnClickListener;
import android.widget.Button;
import android.widget.EditText;
import android.widget.Toast;

/* 服务器设置界面: 设定客户端访问的服务器地址, 保存后立即生效, 下次启动时仍然有效 */
public class ServerSettingsActivity extends Activity {
	private EditText serverAddress;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setTitle("手机客户端-服务器设置");
		setContentView(R.layout.server_settings);
		serverAddress = (EditText) findViewById(R.id.server_address);
		serverAddress.setText(HttpUtil.BASE_URL);
		Button save = (Button) findViewById(R.id.server_save);
		save.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				save();
			}
		});
		Button restore = (Button) findViewById(R.id.server_default);
		restore.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				serverAddress.setText(HttpUtil.DEFAULT_BASE_URL);
			}
		});
	}

	private void save() {
		String baseUrl = HttpUtil.normalizeBaseUrl(serverAddress.getText().toString());
		if (baseUrl == null) {
			serverAddress.setError("请输入以http://或https://开头的完整地址, 例如http://192.168.1.5:8080/JavaWebProject/");
			serverAddress.requestFocus();
			return;
		}
		Declare.saveBaseUrl(this, baseUrl);
		Toast.makeText(this, "服务器地址已保存: " + baseUrl, Toast.LENGTH_LONG).show();
		finish();
	}
}
