package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Badge;
import com.mobileclient.service.BadgeService;
import com.mobileclient.domain.Category;
import com.mobileclient.service.CategoryService;
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

public class BadgeDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明徽章图图片框
	private ImageView iv_badgePic;
	// 声明控件
	private TextView TV_label;
	// 声明类别控件
	private TextView TV_category;
	/* 要保存的徽章信息 */
	Badge badge = new Badge(); 
	/* 徽章管理业务逻辑层 */
	private BadgeService badgeService = new BadgeService();
	private CategoryService categoryService = new CategoryService();
	private String badgePic;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看徽章详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.badge_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		iv_badgePic = (ImageView) findViewById(R.id.iv_badgePic); 
		TV_label = (TextView) findViewById(R.id.TV_label);
		TV_category = (TextView) findViewById(R.id.TV_category);
		Bundle extras = this.getIntent().getExtras();
		badgePic = extras.getString("badgePic");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				BadgeDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    badge = badgeService.GetBadge(badgePic); 
		if (badge == null) {
			Toast.makeText(this, "徽章信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		byte[] badgePic_data = null;
		try {
			// 获取图片数据
			badgePic_data = ImageService.getImage(HttpUtil.BASE_URL + badge.getBadgePic());
			Bitmap badgePic = BitmapFactory.decodeByteArray(badgePic_data, 0,badgePic_data.length);
			if (badgePic != null) this.iv_badgePic.setImageBitmap(badgePic);
		} catch (Exception e) {
			e.printStackTrace();
		}
		this.TV_label.setText(badge.getLabel());
		Category category = categoryService.GetCategory(badge.getCategory());
		this.TV_category.setText(category == null ? "" : category.getCategoryName());
	} 
}
