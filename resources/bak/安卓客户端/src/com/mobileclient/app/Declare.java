package com.mobileclient.app;

import java.io.File;

import com.mobileclient.util.HttpUtil;

import android.app.Activity;
import android.app.Application;
import android.content.Context;
import android.content.SharedPreferences;
import android.os.Bundle;
import android.os.Environment;
import android.os.StrictMode;
import android.view.View;
import android.view.WindowInsets;

/* 应用程序对象: 保存整个客户端共用的数据, 比如登录的用户; 启动时设定服务器地址和图片文件夹 */
public class Declare extends Application {
	private static final String SETTINGS = "settings";
	private static final String BASE_URL_KEY = "baseUrl";

	/* 图片文件夹, 第一次用到时确定, 之后不再改变 */
	private static File picturesFolder;

	/* 登录用户的用户名; 没有人登录时为null */
	private String userName;

	@Override
	public void onCreate() {
		super.onCreate();
		// 各个界面在主线程中直接向服务器发送请求, 所以允许主线程访问网络
		StrictMode.setThreadPolicy(new StrictMode.ThreadPolicy.Builder().permitAll().build());
		HttpUtil.FILE_PATH = picturesFolder(this).getPath();
		// 保存过的服务器地址; 没有保存过(或已不可用)时保留默认地址
		String savedBaseUrl = HttpUtil.normalizeBaseUrl(settings(this).getString(BASE_URL_KEY, null));
		if (savedBaseUrl != null) {
			HttpUtil.BASE_URL = savedBaseUrl;
		}
		registerActivityLifecycleCallbacks(SYSTEM_BARS_ROOM);
	}

	/*
	 * 从Android 15起(目标API 35及以上)界面铺满整个屏幕, 状态栏、导航栏和输入法盖在界面上;
	 * 每个界面的内容四周留出它们占的位置. 较早的系统自己留出位置, 这里的边距为0.
	 */
	private static final ActivityLifecycleCallbacks SYSTEM_BARS_ROOM = new ActivityLifecycleCallbacks() {
		public void onActivityStarted(Activity activity) {
			View content = activity.findViewById(android.R.id.content);
			content.setOnApplyWindowInsetsListener(new View.OnApplyWindowInsetsListener() {
				public WindowInsets onApplyWindowInsets(View view, WindowInsets insets) {
					view.setPadding(insets.getSystemWindowInsetLeft(), insets.getSystemWindowInsetTop(),
							insets.getSystemWindowInsetRight(), insets.getSystemWindowInsetBottom());
					return insets;
				}
			});
			content.requestApplyInsets();
		}

		public void onActivityCreated(Activity activity, Bundle savedInstanceState) {
		}

		public void onActivityResumed(Activity activity) {
		}

		public void onActivityPaused(Activity activity) {
		}

		public void onActivityStopped(Activity activity) {
		}

		public void onActivitySaveInstanceState(Activity activity, Bundle outState) {
		}

		public void onActivityDestroyed(Activity activity) {
		}
	};

	/*
	 * 本应用自己的图片文件夹: 外部存储上的应用专属文件夹(API 19起读写都不需要权限),
	 * 外部存储不可用时用内部存储. 拍照和选择图片都用这个文件夹.
	 */
	public static synchronized File picturesFolder(Context context) {
		if (picturesFolder == null) {
			File external = context.getExternalFilesDir(Environment.DIRECTORY_PICTURES);
			File folder = external != null ? external : new File(context.getFilesDir(), "pictures");
			folder.mkdirs();
			picturesFolder = folder;
		}
		return picturesFolder;
	}

	/* 保存服务器地址(已经用HttpUtil.normalizeBaseUrl检查过), 立即生效, 下次启动时仍然有效 */
	public static void saveBaseUrl(Context context, String baseUrl) {
		settings(context).edit().putString(BASE_URL_KEY, baseUrl).apply();
		HttpUtil.BASE_URL = baseUrl;
	}

	private static SharedPreferences settings(Context context) {
		return context.getSharedPreferences(SETTINGS, Context.MODE_PRIVATE);
	}

	public String getUserName() {
		return userName;
	}

	/* 登录成功时设置, 注销时设为null */
	public void setUserName(String userName) {
		this.userName = userName;
	}
}
