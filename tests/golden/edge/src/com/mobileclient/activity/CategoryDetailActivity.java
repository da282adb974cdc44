package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Category;
import com.mobileclient.service.CategoryService;
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

public class CategoryDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明类别名称控件
	private TextView TV_categoryName;
	// 声明上级类别控件
	private TextView TV_parent;
	// 声明图片图片框
	private ImageView iv_picture;
	/* 要保存的类别信息 */
	Category category = new Category(); 
	/* 类别管理业务逻辑层 */
	private CategoryService categoryService = new CategoryService();
	private CategoryService parentService = new CategoryService();
	private String categoryName;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看类别详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.category_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_categoryName = (TextView) findViewById(R.id.TV_categoryName);
		TV_parent = (TextView) findViewById(R.id.TV_parent);
		iv_picture = (ImageView) findViewById(R.id.iv_picture); 
		Bundle extras = this.getIntent().getExtras();
		categoryName = extras.getString("categoryName");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				CategoryDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    category = categoryService.GetCategory(categoryName); 
		if (category == null) {
			Toast.makeText(this, "类别信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_categoryName.setText(category.getCategoryName());
		Category parent = parentService.GetCategory(category.getParent());
		this.TV_parent.setText(parent == null ? "" : parent.getCategoryName());
		byte[] picture_data = null;
		try {
			// 获取图片数据
			picture_data = ImageService.getImage(HttpUtil.BASE_URL + category.getPicture());
			Bitmap picture = BitmapFactory.decodeByteArray(picture_data, 0,picture_data.length);
			if (picture != null) this.iv_picture.setImageBitmap(picture);
		} catch (Exception e) {
			e.printStackTrace();
		}
	} 
}
