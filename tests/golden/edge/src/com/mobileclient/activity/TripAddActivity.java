package com.mobileclient.activity;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.app.PictureProvider;

import java.sql.Timestamp;
import java.util.Date;
import java.util.List;

import com.mobileclient.domain.Trip;
import com.mobileclient.service.TripService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
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
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.Spinner;
import android.widget.Toast;
public class TripAddActivity extends Activity {
	// 声明确定添加按钮
	private Button btnAdd;
	// 声明行程号输入框
	private EditText ET_tripNo;
	// 声明出发城市下拉框
	private Spinner spinner_fromCity;
	private ArrayAdapter<String> fromCity_adapter;
	private static  String[] fromCity_ShowText  = null;
	private List<City> cityList = null;
	/*出发城市管理业务逻辑层*/
	private CityService cityService = new CityService();
	// 声明到达城市下拉框
	private Spinner spinner_toCity;
	private ArrayAdapter<String> toCity_adapter;
	private static  String[] toCity_ShowText  = null;
	private List<City> toCityList = null;
	/*到达城市管理业务逻辑层*/
	private CityService toCityService = new CityService();
	// 声明下拉框
	private Spinner spinner_city;
	private ArrayAdapter<String> city_adapter;
	private static  String[] city_ShowText  = null;
	private List<City> city2List = null;
	/*管理业务逻辑层*/
	private CityService city2Service = new CityService();
	// 出版出发日期控件
	private DatePicker dp_startDate;
	// 声明票价输入框
	private EditText ET_fare;
	// 声明座位输入框
	private EditText ET_seats;
	// 声明照片图片框控件
	private ImageView iv_photo;
	private Button btn_photo;
	protected int REQ_CODE_SELECT_IMAGE_photo = 1;
	private int REQ_CODE_CAMERA_photo = 2;
	// 声明图片框控件
	private ImageView iv_ticket;
	private Button btn_ticket;
	protected int REQ_CODE_SELECT_IMAGE_ticket = 3;
	private int REQ_CODE_CAMERA_ticket = 4;
	// 声明备注&说明输入框
	private EditText ET_note;
	// 声明输入框
	private EditText ET_memo;
	protected String carmera_path;
	/*要保存的行程信息*/
	Trip trip = new Trip();
	/*行程管理业务逻辑层*/
	private TripService tripService = new TripService();

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-添加行程");
		// 设置当前Activity界面布局
		setContentView(R.layout.trip_add); 
		ET_tripNo = (EditText) findViewById(R.id.ET_tripNo);
		spinner_fromCity = (Spinner) findViewById(R.id.Spinner_fromCity);
		// 获取所有的出发城市
		try {
			cityList = cityService.QueryCity(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			cityList = new java.util.ArrayList<City>();
		}
		int cityCount = cityList.size();
		fromCity_ShowText = new String[cityCount];
		for(int i=0;i<cityCount;i++) { 
			fromCity_ShowText[i] = cityList.get(i).getCityId() + "";
		}
		// 将可选内容与ArrayAdapter连接起来
		fromCity_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, fromCity_ShowText);
		// 设置图书类别下拉列表的风格
		fromCity_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_fromCity.setAdapter(fromCity_adapter);
		// 添加事件Spinner事件监听
		spinner_fromCity.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (cityList.get(arg2) != null) trip.setFromCity(cityList.get(arg2).getCityId()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_fromCity.setVisibility(View.VISIBLE);
		spinner_toCity = (Spinner) findViewById(R.id.Spinner_toCity);
		// 获取所有的到达城市
		try {
			toCityList = toCityService.QueryCity(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			toCityList = new java.util.ArrayList<City>();
		}
		int toCityCount = toCityList.size();
		toCity_ShowText = new String[toCityCount];
		for(int i=0;i<toCityCount;i++) { 
			toCity_ShowText[i] = toCityList.get(i).getCityId() + "";
		}
		// 将可选内容与ArrayAdapter连接起来
		toCity_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, toCity_ShowText);
		// 设置图书类别下拉列表的风格
		toCity_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_toCity.setAdapter(toCity_adapter);
		// 添加事件Spinner事件监听
		spinner_toCity.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (toCityList.get(arg2) != null) trip.setToCity(toCityList.get(arg2).getCityId()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_toCity.setVisibility(View.VISIBLE);
		spinner_city = (Spinner) findViewById(R.id.Spinner_city);
		// 获取所有的
		try {
			city2List = city2Service.QueryCity(null);
		} catch (Exception e1) { 
			e1.printStackTrace(); 
			Toast.makeText(this, HttpUtil.errorText(e1), Toast.LENGTH_LONG).show();
			city2List = new java.util.ArrayList<City>();
		}
		int city2Count = city2List.size();
		city_ShowText = new String[city2Count];
		for(int i=0;i<city2Count;i++) { 
			city_ShowText[i] = city2List.get(i).getCityId() + "";
		}
		// 将可选内容与ArrayAdapter连接起来
		city_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, city_ShowText);
		// 设置图书类别下拉列表的风格
		city_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		// 将adapter 添加到spinner中
		spinner_city.setAdapter(city_adapter);
		// 添加事件Spinner事件监听
		spinner_city.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				if (city2List.get(arg2) != null) trip.setCity(city2List.get(arg2).getCityId()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		// 设置默认值
		spinner_city.setVisibility(View.VISIBLE);
		dp_startDate = (DatePicker)this.findViewById(R.id.dp_startDate);
		ET_fare = (EditText) findViewById(R.id.ET_fare);
		ET_seats = (EditText) findViewById(R.id.ET_seats);
		iv_photo = (ImageView) findViewById(R.id.iv_photo);
		/*单击图片显示控件时进行图片的选择*/
		iv_photo.setOnClickListener(new OnClickListener() {
			@Override
			public void onClick(View v) {
				Intent intent = new Intent();
				intent.setClass(TripAddActivity.this,photoListActivity.class);
				startActivityForResult(intent,REQ_CODE_SELECT_IMAGE_photo);
			}
		});
		btn_photo = (Button) findViewById(R.id.btn_photo);
		btn_photo.setOnClickListener(new OnClickListener() { 
			@Override
			public void onClick(View arg0) {
				Intent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); 
				carmera_path = HttpUtil.FILE_PATH + "/carmera_photo.bmp";
				File out = new File(carmera_path); 
				intent.putExtra(MediaStore.EXTRA_OUTPUT, PictureProvider.uriFor(out)); 
				try {
					startActivityForResult(intent, REQ_CODE_CAMERA_photo);  
				} catch (android.content.ActivityNotFoundException e) {
					Toast.makeText(TripAddActivity.this, "没有可用的相机应用!", Toast.LENGTH_LONG).show();
				}
			}
		});
		iv_ticket = (ImageView) findViewById(R.id.iv_ticket);
		/*单击图片显示控件时进行图片的选择*/
		iv_ticket.setOnClickListener(new OnClickListener() {
			@Override
			public void onClick(View v) {
				Intent intent = new Intent();
				intent.setClass(TripAddActivity.this,photoListActivity.class);
				startActivityForResult(intent,REQ_CODE_SELECT_IMAGE_ticket);
			}
		});
		btn_ticket = (Button) findViewById(R.id.btn_ticket);
		btn_ticket.setOnClickListener(new OnClickListener() { 
			@Override
			public void onClick(View arg0) {
				Intent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); 
				carmera_path = HttpUtil.FILE_PATH + "/carmera_ticket.bmp";
				File out = new File(carmera_path); 
				intent.putExtra(MediaStore.EXTRA_OUTPUT, PictureProvider.uriFor(out)); 
				try {
					startActivityForResult(intent, REQ_CODE_CAMERA_ticket);  
				} catch (android.content.ActivityNotFoundException e) {
					Toast.makeText(TripAddActivity.this, "没有可用的相机应用!", Toast.LENGTH_LONG).show();
				}
			}
		});
		ET_note = (EditText) findViewById(R.id.ET_note);
		ET_memo = (EditText) findViewById(R.id.ET_memo);
		btnAdd = (Button) findViewById(R.id.BtnAdd);
		/*单击添加行程按钮*/
		btnAdd.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				try {
					/*验证获取行程号*/
					if(ET_tripNo.getText().toString().equals("")) {
						Toast.makeText(TripAddActivity.this, "行程号输入不能为空!", Toast.LENGTH_LONG).show();
						ET_tripNo.setFocusable(true);
						ET_tripNo.requestFocus();
						return;
					}
					trip.setTripNo(ET_tripNo.getText().toString());
					/*获取出版日期*/
					Date startDate = new Date(dp_startDate.getYear()-1900,dp_startDate.getMonth(),dp_startDate.getDayOfMonth());
					trip.setStartDate(new Timestamp(startDate.getTime()));
					/*验证获取票价*/ 
					if(ET_fare.getText().toString().equals("")) {
						Toast.makeText(TripAddActivity.this, "票价输入不能为空!", Toast.LENGTH_LONG).show();
						ET_fare.setFocusable(true);
						ET_fare.requestFocus();
						return;	
					}
					try {
						trip.setFare(Float.parseFloat(ET_fare.getText().toString()));
					} catch (NumberFormatException e) {
						Toast.makeText(TripAddActivity.this, "票价不是有效的数字!", Toast.LENGTH_LONG).show();
						ET_fare.requestFocus();
						return;
					}
					/*验证获取座位*/ 
					if(ET_seats.getText().toString().equals("")) {
						Toast.makeText(TripAddActivity.this, "座位输入不能为空!", Toast.LENGTH_LONG).show();
						ET_seats.setFocusable(true);
						ET_seats.requestFocus();
						return;	
					}
					try {
						trip.setSeats(Integer.parseInt(ET_seats.getText().toString()));
					} catch (NumberFormatException e) {
						Toast.makeText(TripAddActivity.this, "座位不是有效的数字!", Toast.LENGTH_LONG).show();
						ET_seats.requestFocus();
						return;
					}
					if(trip.getPhoto() != null) {
						//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片
						TripAddActivity.this.setTitle("正在上传图片，稍等...");
						String photo = HttpUtil.uploadFile(trip.getPhoto());
						TripAddActivity.this.setTitle("图片上传完毕！");
						trip.setPhoto(photo);
					} else {
						trip.setPhoto("upload/noimage.jpg");
					}
					if(trip.getTicket() != null) {
						//如果图片地址不为空，说明用户选择了图片，这时需要连接服务器上传图片
						TripAddActivity.this.setTitle("正在上传图片，稍等...");
						String ticket = HttpUtil.uploadFile(trip.getTicket());
						TripAddActivity.this.setTitle("图片上传完毕！");
						trip.setTicket(ticket);
					} else {
						trip.setTicket("upload/noimage.jpg");
					}
					/*验证获取备注&说明*/ 
					if(ET_note.getText().toString().equals("")) {
						Toast.makeText(TripAddActivity.this, "备注&说明输入不能为空!", Toast.LENGTH_LONG).show();
						ET_note.setFocusable(true);
						ET_note.requestFocus();
						return;	
					}
					trip.setNote(ET_note.getText().toString());
					/*验证获取*/ 
					if(ET_memo.getText().toString().equals("")) {
						Toast.makeText(TripAddActivity.this, "输入不能为空!", Toast.LENGTH_LONG).show();
						ET_memo.setFocusable(true);
						ET_memo.requestFocus();
						return;	
					}
					trip.setMemo(ET_memo.getText().toString());
					/*调用业务逻辑层上传行程信息*/
					TripAddActivity.this.setTitle("正在上传行程信息，稍等...");
					String result = tripService.AddTrip(trip);
					Toast.makeText(getApplicationContext(), result, 1).show(); 
					/*操作完成后返回到行程管理界面*/ 
					Intent intent = new Intent();
					intent.setClass(TripAddActivity.this, TripListActivity.class);
					startActivity(intent); 
					TripAddActivity.this.finish();
				} catch (Exception e) {
					/*没有保存: 说明原因, 输入的内容留在界面上*/
					TripAddActivity.this.setTitle("手机客户端-添加行程");
					Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
				}
			}
		});
	}

	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
		if (requestCode == REQ_CODE_CAMERA_photo  && resultCode == Activity.RESULT_OK) {
			carmera_path = HttpUtil.FILE_PATH + "/carmera_photo.bmp"; 
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true;
			BitmapFactory.decodeFile(carmera_path, opts); 
			opts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);
			opts.inJustDecodeBounds = false;
			try {
				Bitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);
				String jpgFileName = "carmera_photo.jpg";
				String jpgFilePath =  HttpUtil.FILE_PATH + "/" + jpgFileName;
				try {
					FileOutputStream jpgOutputStream = new FileOutputStream(jpgFilePath);
					booImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);// 把数据写入文件 
					File bmpFile = new File(carmera_path);
					bmpFile.delete();
				} catch (FileNotFoundException e) {
					e.printStackTrace();
				} 
				this.iv_photo.setImageBitmap(booImageBm);
				this.iv_photo.setScaleType(ScaleType.FIT_CENTER);
				this.trip.setPhoto(jpgFileName);
			} catch (OutOfMemoryError err) {  }
		}

		if(requestCode == REQ_CODE_SELECT_IMAGE_photo && resultCode == Activity.RESULT_OK) {
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
				this.iv_photo.setImageBitmap(bm); 
				this.iv_photo.setScaleType(ScaleType.FIT_CENTER); 
			} catch (OutOfMemoryError err) {  } 
			trip.setPhoto(filename); 
		}
		if (requestCode == REQ_CODE_CAMERA_ticket  && resultCode == Activity.RESULT_OK) {
			carmera_path = HttpUtil.FILE_PATH + "/carmera_ticket.bmp"; 
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true;
			BitmapFactory.decodeFile(carmera_path, opts); 
			opts.inSampleSize = photoListActivity.computeSampleSize(opts, -1, 300*300);
			opts.inJustDecodeBounds = false;
			try {
				Bitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);
				String jpgFileName = "carmera_ticket.jpg";
				String jpgFilePath =  HttpUtil.FILE_PATH + "/" + jpgFileName;
				try {
					FileOutputStream jpgOutputStream = new FileOutputStream(jpgFilePath);
					booImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);// 把数据写入文件 
					File bmpFile = new File(carmera_path);
					bmpFile.delete();
				} catch (FileNotFoundException e) {
					e.printStackTrace();
				} 
				this.iv_ticket.setImageBitmap(booImageBm);
				this.iv_ticket.setScaleType(ScaleType.FIT_CENTER);
				this.trip.setTicket(jpgFileName);
			} catch (OutOfMemoryError err) {  }
		}

		if(requestCode == REQ_CODE_SELECT_IMAGE_ticket && resultCode == Activity.RESULT_OK) {
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
				this.iv_ticket.setImageBitmap(bm); 
				this.iv_ticket.setScaleType(ScaleType.FIT_CENTER); 
			} catch (OutOfMemoryError err) {  } 
			trip.setTicket(filename); 
		}
	}
}
