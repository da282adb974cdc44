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
import com.mobileclient.domain.Reader;
import com.mobileclient.service.ReaderService;
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

public class ReaderEditActivity extends Activity {
	// 声明确定添加按钮
	private Button btnUpdate;
	// 声明读者编号TextView
	private TextView TV_readerNo;
	// 声明读者姓名输入框
	private EditText ET_readerName;
	// 声明性别输入框
	private EditText ET_sex;
	// 出版出生日期控件
	private DatePicker dp_birthday;
	// 声明联系电话输入框
	private EditText ET_telephone;
	// 声明读者照片图片框控件
	private ImageView iv_readerPhoto;
	private Button btn_readerPhoto;
	protected int REQ_CODE_SELECT_IMAGE_readerPhoto = 1;
	private int REQ_CODE_CAMERA_readerPhoto = 2;
	protected String carmera_path;
	/*要保存的读者信息*/
	Reader reader = new Reader();
	/*读者管理业务逻辑层*/
	private ReaderService readerService = new ReaderService();

	private String readerNo;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-修改读者");
		// 设置当前Activity界面布局
		setContentView(R.layout.reader_edit); 
		TV_readerNo = (TextView) findViewById(R.id.TV_readerNo);
		ET_readerName = (EditText) findViewById(R.id.ET_readerName);
		ET_sex = (EditText) findViewById(R.id.ET_sex);
		dp_birthday = (DatePicker)this.findViewById(R.id.dp_birthday);
		ET_telephone = (EditText) findViewById(R.id.ET_telephone);
		iv_readerPhoto = (ImageView) findViewById(R.id.iv_readerPhoto);
		/*单击图片显示控件时进行图片的选择*/
		iv_readerPhoto.setOnClickListener(new OnClickListener() {
			@Override
			public void onClick(View v) {
				Intent intent = new Intent();
				intent.setClass(ReaderEditActivity.this,photoListActivity.class);
				startActivityForResult(intent,REQ_CODE_SELECT_IMAGE_readerPhoto);
			}
		});
		btn_readerPhoto = (Button) findViewById(R.id.btn_readerPhoto);
		btn_readerPhoto.setOnClickListener(new OnClickListener() { 
			@Override
			public void onClick(View arg0) {
				Intent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); 
				carmera_path = HttpUtil.FILE_PATH + "/carmera_readerPhoto.bmp";
				File out = new File(carmera_path); 
				intent.putExtra(MediaStore.EXTRA_OUTPUT, PictureProvider.uriFor(out)); 
				try {
					startActivityForResult(intent, REQ_CODE_CAMERA_readerPhoto);  
				} catch (android.content.ActivityNotFoundException e) {
					Toast.makeText(ReaderEditActivity.this, "没有可用的相机应用!", Toast.LENGTH_LONG).show();
				}
			}
		});
		btnUpdate = (Button) findViewById(R.id.BtnUpdate);
		Bundle extras = this.getIntent().getExtras();
		readerNo = extras.getString("readerNo");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		/*单击修改读者按钮*/
		btnUpdate.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取读者姓名*/ 
					if(ET_readerName.getText().toString().equals("")) {
						Toast.makeText(ReaderEditActivity.this, "读者姓名输入不能为空!", Toast.LENGTH_LONG).show();
						ET_readerName.setFocusable(true);
						ET_readerName.requestFocus();
						return;	
					}
					reader.setReaderName(ET_readerName.getText().toString());
					/*验证获取性别*/ 
					if(ET_sex.getText().toString().equals("")) {
						Toast.makeText(ReaderEditActivity.this, "性别输入不能为空!", Toast.LENGTH_LONG).show();
						ET_sex.setFocusable(true);
						ET_sex.requestFocus();
						return;	
					}
					reader.setSex(ET_sex.getText().toString());
					/*获取出版日期*/
					Date birthday = new Date(dp_birthday.getYear()-1900,dp_birthday.getMonth(),dp_birthday.getDayOfMonth());
					reader.setBirthday(new Timestamp(birthday.getTime()));
					/*验证获取联系电话*/ 
					if(ET_telephone.getText().toString().equals("")) {
						Toast.makeText(ReaderEditActivity.this, "联系电话输入不能为空!", Toast.LENGTH_LONG).show();
						ET_telephone.setFocusable(true);
						ET_telephone.requestFocus();
						return;	
					}
					reader.setTelephone(ET_telephone.getText().toString());
					if (!reader.getReaderPhoto().startsWith("upload/")) {
						//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片
						ReaderEditActivity.this.setTitle("正在上传图片，稍等...");
						String readerPhoto = HttpUtil.uploadFile(reader.getReaderPhoto());
						ReaderEditActivity.this.setTitle("图片上传完毕！");
						reader.setReaderPhoto(readerPhoto);
					} 
					/*调用业务逻辑层上传读者信息*/
					ReaderEditActivity.this.setTitle("正在更新读者信息，稍等...");
					String result = readerService.UpdateReader(reader);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到读者管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(ReaderEditActivity.this, ReaderListActivity.class);
					startActivity(intent); 
					ReaderEditActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					ReaderEditActivity.this.setTitle("手机客户端-修改读者");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	/* 初始化显示编辑界面的数据 */
	private void initViewData() throws Exception {
	    reader = readerService.GetReader(readerNo);
		if (reader == null) {
			Toast.makeText(this, "读者信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_readerNo.setText(readerNo);
		this.ET_readerName.setText(reader.getReaderName());
		this.ET_sex.setText(reader.getSex());
		Date birthday = new Date(reader.getBirthday().getTime());
		this.dp_birthday.init(birthday.getYear() + 1900,birthday.getMonth(), birthday.getDate(), null);
		this.ET_telephone.setText(reader.getTelephone());
		byte[] readerPhoto_data = null;
		try {
			// 获取图片数据
			readerPhoto_data = ImageService.getImage(HttpUtil.BASE_URL + reader.getReaderPhoto());
			Bitmap readerPhoto = BitmapFactory.decodeByteArray(readerPhoto_data, 0, readerPhoto_data.length);
			if (readerPhoto != null) this.iv_readerPhoto.setImageBitmap(readerPhoto);
		} catch (Exception e) {
			e.printStackTrace();
		}
	}
	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
		if (requestCode == REQ_CODE_CAMERA_readerPhoto  && resultCode == Activity.RESULT_OK) {
			carmera_path = HttpUtil.FILE_PATH + "/carmera_readerPhoto.bmp"; 
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true;
			BitmapFactory.decodeFile(carmera_path, opts); 
			opts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);
			opts.inJustDecodeBounds = false;
			try {
				Bitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);
				String jpgFileName = "carmera_readerPhoto.jpg";
				String jpgFilePath =  HttpUtil.FILE_PATH + "/" + jpgFileName;
				try {
					FileOutputStream jpgOutputStream = new FileOutputStream(jpgFilePath);
					booImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);// 把数据写入文件 
					File bmpFile = new File(carmera_path);
					bmpFile.delete();
				} catch (FileNotFoundException e) {
					e.printStackTrace();
				} 
				this.iv_readerPhoto.setImageBitmap(booImageBm);
				this.iv_readerPhoto.setScaleType(ScaleType.FIT_CENTER);
				this.reader.setReaderPhoto(jpgFileName);
			} catch (OutOfMemoryError err) {  }
		}

		if(requestCode == REQ_CODE_SELECT_IMAGE_readerPhoto && resultCode == Activity.RESULT_OK) {
			Bundle bundle = data.getExtras();
			String filename =  bundle.getString("fileName");
			String filepath = HttpUtil.FILE_PATH + "/" + filename;
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true; 
			BitmapFactory.decodeFile(filepath, opts); 
			opts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 128*128);
			opts.inJustDecodeBounds = false; 
			try { 
				Bitmap bm = BitmapFactory.decodeFile(filepath, opts);
				this.iv_readerPhoto.setImageBitmap(bm); 
				this.iv_readerPhoto.setScaleType(ScaleType.FIT_CENTER); 
			} catch (OutOfMemoryError err) {  } 
			reader.setReaderPhoto(filename); 
		}
	}
}
