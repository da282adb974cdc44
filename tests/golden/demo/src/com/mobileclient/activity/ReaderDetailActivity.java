package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Reader;
import com.mobileclient.service.ReaderService;
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

public class ReaderDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明读者编号控件
	private TextView TV_readerNo;
	// 声明读者姓名控件
	private TextView TV_readerName;
	// 声明性别控件
	private TextView TV_sex;
	// 声明出生日期控件
	private TextView TV_birthday;
	// 声明联系电话控件
	private TextView TV_telephone;
	// 声明读者照片图片框
	private ImageView iv_readerPhoto;
	/* 要保存的读者信息 */
	Reader reader = new Reader(); 
	/* 读者管理业务逻辑层 */
	private ReaderService readerService = new ReaderService();
	private String readerNo;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看读者详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.reader_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_readerNo = (TextView) findViewById(R.id.TV_readerNo);
		TV_readerName = (TextView) findViewById(R.id.TV_readerName);
		TV_sex = (TextView) findViewById(R.id.TV_sex);
		TV_birthday = (TextView) findViewById(R.id.TV_birthday);
		TV_telephone = (TextView) findViewById(R.id.TV_telephone);
		iv_readerPhoto = (ImageView) findViewById(R.id.iv_readerPhoto); 
		Bundle extras = this.getIntent().getExtras();
		readerNo = extras.getString("readerNo");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				ReaderDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    reader = readerService.GetReader(readerNo); 
		if (reader == null) {
			Toast.makeText(this, "读者信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_readerNo.setText(reader.getReaderNo());
		this.TV_readerName.setText(reader.getReaderName());
		this.TV_sex.setText(reader.getSex());
		Date birthday = new Date(reader.getBirthday().getTime());
		String birthdayStr = (birthday.getYear() + 1900) + "-" + (birthday.getMonth()+1) + "-" + birthday.getDate();
		this.TV_birthday.setText(birthdayStr);
		this.TV_telephone.setText(reader.getTelephone());
		byte[] readerPhoto_data = null;
		try {
			// 获取图片数据
			readerPhoto_data = ImageService.getImage(HttpUtil.BASE_URL + reader.getReaderPhoto());
			Bitmap readerPhoto = BitmapFactory.decodeByteArray(readerPhoto_data, 0,readerPhoto_data.length);
			if (readerPhoto != null) this.iv_readerPhoto.setImageBitmap(readerPhoto);
		} catch (Exception e) {
			e.printStackTrace();
		}
	} 
}
