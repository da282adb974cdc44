package com.mobileclient.activity;

import java.util.Date;
import com.mobileclient.domain.Trip;
import com.mobileclient.service.TripService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
import com.mobileclient.domain.City;
import com.mobileclient.service.CityService;
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

public class TripDetailActivity extends Activity {
	// 声明返回按钮
	private Button btnReturn;
	// 声明行程号控件
	private TextView TV_tripNo;
	// 声明出发城市控件
	private TextView TV_fromCity;
	// 声明到达城市控件
	private TextView TV_toCity;
	// 声明控件
	private TextView TV_city;
	// 声明出发日期控件
	private TextView TV_startDate;
	// 声明票价控件
	private TextView TV_fare;
	// 声明座位控件
	private TextView TV_seats;
	// 声明照片图片框
	private ImageView iv_photo;
	// 声明图片框
	private ImageView iv_ticket;
	// 声明备注&说明控件
	private TextView TV_note;
	// 声明控件
	private TextView TV_memo;
	/* 要保存的行程信息 */
	Trip trip = new Trip(); 
	/* 行程管理业务逻辑层 */
	private TripService tripService = new TripService();
	private CityService cityService = new CityService();
	private CityService toCityService = new CityService();
	private CityService city2Service = new CityService();
	private String tripNo;
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		// 设置标题
		setTitle("手机客户端-查看行程详情");
		// 设置当前Activity界面布局
		setContentView(R.layout.trip_detail);
		// 通过findViewById方法实例化组件
		btnReturn = (Button) findViewById(R.id.btnReturn);
		TV_tripNo = (TextView) findViewById(R.id.TV_tripNo);
		TV_fromCity = (TextView) findViewById(R.id.TV_fromCity);
		TV_toCity = (TextView) findViewById(R.id.TV_toCity);
		TV_city = (TextView) findViewById(R.id.TV_city);
		TV_startDate = (TextView) findViewById(R.id.TV_startDate);
		TV_fare = (TextView) findViewById(R.id.TV_fare);
		TV_seats = (TextView) findViewById(R.id.TV_seats);
		iv_photo = (ImageView) findViewById(R.id.iv_photo); 
		iv_ticket = (ImageView) findViewById(R.id.iv_ticket); 
		TV_note = (TextView) findViewById(R.id.TV_note);
		TV_memo = (TextView) findViewById(R.id.TV_memo);
		Bundle extras = this.getIntent().getExtras();
		tripNo = extras.getString("tripNo");
		try {
			initViewData();
		} catch (Exception e) {
			Toast.makeText(this, HttpUtil.errorText(e), Toast.LENGTH_LONG).show();
			finish();
		}
		btnReturn.setOnClickListener(new OnClickListener() {
			public void onClick(View v) {
				TripDetailActivity.this.finish();
			}
		}); 
	}
	/* 初始化显示详情界面的数据 */
	private void initViewData() throws Exception {
	    trip = tripService.GetTrip(tripNo); 
		if (trip == null) {
			Toast.makeText(this, "行程信息不存在, 可能已被删除!", Toast.LENGTH_LONG).show();
			finish();
			return;
		}
		this.TV_tripNo.setText(trip.getTripNo());
		City city = cityService.GetCity(trip.getFromCity());
		this.TV_fromCity.setText(city == null ? "" : city.getCityId() + "");
		City toCity = toCityService.GetCity(trip.getToCity());
		this.TV_toCity.setText(toCity == null ? "" : toCity.getCityId() + "");
		City city2 = city2Service.GetCity(trip.getCity());
		this.TV_city.setText(city2 == null ? "" : city2.getCityId() + "");
		Date startDate = new Date(trip.getStartDate().getTime());
		String startDateStr = (startDate.getYear() + 1900) + "-" + (startDate.getMonth()+1) + "-" + startDate.getDate();
		this.TV_startDate.setText(startDateStr);
		this.TV_fare.setText(trip.getFare() + "");
		this.TV_seats.setText(trip.getSeats() + "");
		byte[] photo_data = null;
		try {
			// 获取图片数据
			photo_data = ImageService.getImage(HttpUtil.BASE_URL + trip.getPhoto());
			Bitmap photo = BitmapFactory.decodeByteArray(photo_data, 0,photo_data.length);
			if (photo != null) this.iv_photo.setImageBitmap(photo);
		} catch (Exception e) {
			e.printStackTrace();
		}
		byte[] ticket_data = null;
		try {
			// 获取图片数据
			ticket_data = ImageService.getImage(HttpUtil.BASE_URL + trip.getTicket());
			Bitmap ticket = BitmapFactory.decodeByteArray(ticket_data, 0,ticket_data.length);
			if (ticket != null) this.iv_ticket.setImageBitmap(ticket);
		} catch (Exception e) {
			e.printStackTrace();
		}
		this.TV_note.setText(trip.getNote());
		this.TV_memo.setText(trip.getMemo());
	} 
}
