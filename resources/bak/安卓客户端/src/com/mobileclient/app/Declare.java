package com.mobileclient.app;

import android.app.Application;
import android.os.StrictMode;

/* 应用程序对象: 保存整个客户端共用的数据, 比如登录的用户 */
public class Declare extends Application {
	/* 登录用户的用户名; 没有人登录时为null */
	private String userName;

	@Override
	public void onCreate() {
		super.onCreate();
		// 各个界面在主线程中直接向服务器发送请求, 所以允许主线程访问网络
		StrictMode.setThreadPolicy(new StrictMode.ThreadPolicy.Builder().permitAll().build());
	}

	public String getUserName() {
		return userName;
	}

	/* 登录成功时设置, 注销时设为null */
	public void setUserName(String userName) {
		this.userName = userName;
	}
}
