package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.BookType;
import com.mobileclient.service.BookTypeService;
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

public class BookTypeDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明类别编号控件
	private TextView TV_typeId;
	// 声明类别名称控件
	private TextView TV_typeName;
	// 声明可借阅天数控件
	private TextView TV_borrowDays;
	/* 要保存的图书类别信息 */
	BookType bookType = new BookType(); 
	/* 图书类别管理业务逻辑层 */
	private BookTypeService bookTypeService = new BookTypeService();
	private int typeId;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看图书类别详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.booktype_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_typeId = (TextView) findViewById(R.id.TV_typeId);
		TV_typeName = (TextView) findViewById(R.id.TV_typeName);
		TV_borrowDays = (TextView) findViewById(R.id.TV_borrowDays);
		Bundle extras = this.getIntent().getExtras();
		typeId = extras.getInt("typeId");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				BookTypeDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    bookType = bookTypeService.GetBookType(typeId); 
		if (bookType == null) {
			Toast.makeText(this, "图书类别信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_typeId.setText(bookType.getTypeId() + "");
		this.TV_typeName.setText(bookType.getTypeName());
		this.TV_borrowDays.setText(bookType.getBorrowDays() + "");
	} 
}
