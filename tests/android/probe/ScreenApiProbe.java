package probe;

import java.io.File;
import java.io.FileNotFoundException;
import java.io.FileOutputStream;
import java.io.Serializable;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.Date;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import android.app.Activity;
import android.app.AlertDialog.Builder;
import android.content.Context;
import android.content.DialogInterface;
import android.content.Intent;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.net.Uri;
import android.os.Bundle;
import android.provider.MediaStore;
import android.view.ContextMenu;
import android.view.ContextMenu.ContextMenuInfo;
import android.view.LayoutInflater;
import android.view.Menu;
import android.view.MenuItem;
import android.view.View;
import android.view.View.OnCreateContextMenuListener;
import android.view.ViewGroup;
import android.widget.AdapterView;
import android.widget.AdapterView.AdapterContextMenuInfo;
import android.widget.AdapterView.OnItemClickListener;
import android.widget.AdapterView.OnItemSelectedListener;
import android.widget.ArrayAdapter;
import android.widget.Button;
import android.widget.CheckBox;
import android.widget.DatePicker;
import android.widget.EditText;
import android.widget.ImageView;
import android.widget.ImageView.ScaleType;
import android.widget.ListView;
import android.widget.SimpleAdapter;
import android.widget.Spinner;
import android.widget.TextView;
import android.widget.Toast;

// The Android calls of the generated screens and list adapter, statement forms as the generators
// write them, for a class with a text key and one member of every type. Compiled against the
// Android declarations only: a call the declarations lack fails to compile here.
public class ScreenApiProbe extends Activity {
	static class Item implements Serializable {
		private String barcode;
		private int itemType;
		private float price;
		private Timestamp publishDate;
		private String photo;
		public String getBarcode() { return barcode; }
		public void setBarcode(String barcode) { this.barcode = barcode; }
		public int getItemType() { return itemType; }
		public void setItemType(int itemType) { this.itemType = itemType; }
		public float getPrice() { return price; }
		public void setPrice(float price) { this.price = price; }
		public Timestamp getPublishDate() { return publishDate; }
		public void setPublishDate(Timestamp publishDate) { this.publishDate = publishDate; }
		public String getPhoto() { return photo; }
		public void setPhoto(String photo) { this.photo = photo; }
	}

	static int computeSampleSize(BitmapFactory.Options options, int minSideLength, int maxNumOfPixels) {
		return 1;
	}

	private Button btnAdd;
	private EditText ET_barcode;
	private TextView TV_barcode;
	private DatePicker dp_publishDate;
	private CheckBox cb_publishDate;
	private ImageView iv_photo;
	private Button btn_photo;
	protected int REQ_CODE_SELECT_IMAGE_photo = 1;
	private int REQ_CODE_CAMERA_photo = 2;
	private Spinner spinner_itemType;
	private ArrayAdapter<String> itemType_adapter;
	private static  String[] itemType_ShowText  = null;
	private List<Item> itemList = new ArrayList<Item>();
	protected String carmera_path;
	Item item = new Item();
	ListView lv;
	List<Map<String, Object>> list;
	String barcode;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setTitle("title");
		setContentView(1); 
		ET_barcode = (EditText) findViewById(2);
		TV_barcode = (TextView) findViewById(3);
		dp_publishDate = (DatePicker)this.findViewById(4);
		cb_publishDate = (CheckBox) findViewById(5);
		iv_photo = (ImageView) findViewById(6);
		iv_photo.setOnClickListener(new View.OnClickListener() {
			@Override
			public void onClick(View v) {
				Intent intent = new Intent();
				intent.setClass(ScreenApiProbe.this,ScreenApiProbe.class);
				startActivityForResult(intent,REQ_CODE_SELECT_IMAGE_photo);
			}
		});
		btn_photo = (Button) findViewById(7);
		btn_photo.setOnClickListener(new View.OnClickListener() { 
			@Override
			public void onClick(View arg0) {
				Intent intent = new Intent(MediaStore.ACTION_IMAGE_CAPTURE); 
				carmera_path = "/sdcard" + "/carmera_photo.bmp";
				File out = new File(carmera_path); 
				intent.putExtra(MediaStore.EXTRA_OUTPUT, Uri.fromFile(out)); 
				startActivityForResult(intent, REQ_CODE_CAMERA_photo);  
			}
		});
		spinner_itemType = (Spinner) findViewById(8);
		int itemCount = itemList.size();
		itemType_ShowText = new String[itemCount+1];
		itemType_ShowText[0] = "any";
		itemType_adapter = new ArrayAdapter<String>(this,android.R.layout.simple_spinner_item, itemType_ShowText);
		itemType_adapter.setDropDownViewResource(android.R.layout.simple_spinner_dropdown_item);
		spinner_itemType.setAdapter(itemType_adapter);
		spinner_itemType.setOnItemSelectedListener(new OnItemSelectedListener() {
			@Override
			public void onItemSelected(AdapterView<?> arg0, View arg1,int arg2, long arg3) {
				item.setItemType(itemList.get(arg2).getItemType()); 
			}
			@Override
			public void onNothingSelected(AdapterView<?> arg0) {}
		});
		spinner_itemType.setVisibility(View.VISIBLE);
		btnAdd = (Button) findViewById(9);
		btnAdd.setOnClickListener(new View.OnClickListener() {
			public void onClick(View v) {
				try {
					if(ET_barcode.getText().toString().equals("")) {
						Toast.makeText(ScreenApiProbe.this, "empty", Toast.LENGTH_LONG).show();
						ET_barcode.setFocusable(true);
						ET_barcode.requestFocus();
						return;
					}
					item.setPrice(Float.parseFloat(ET_barcode.getText().toString()));
					Date publishDate = new Date(dp_publishDate.getYear()-1900,dp_publishDate.getMonth(),dp_publishDate.getDayOfMonth());
					if(cb_publishDate.isChecked()) {
						item.setPublishDate(new Timestamp(publishDate.getTime()));
					}
					ScreenApiProbe.this.setTitle("sending");
					Toast.makeText(getApplicationContext(), "result", 1).show(); 
					Intent intent = new Intent();
					intent.setClass(ScreenApiProbe.this, ScreenApiProbe.class);
					Bundle bundle = new Bundle();
					bundle.putSerializable("queryConditionItem", item);
					intent.putExtras(bundle);
					startActivity(intent); 
					ScreenApiProbe.this.finish();
				} catch (Exception e) {}
			}
		});
		Bundle extras = this.getIntent().getExtras();
		barcode = extras.getString("barcode");
		int key = extras.getInt("key");
		if(extras != null) 
			item = (Item)extras.getSerializable("queryConditionItem");
		lv = (ListView) findViewById(10);
		lv.setOnCreateContextMenuListener(itemListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	Bundle bundle = new Bundle();
            	bundle.putInt("key", Integer.parseInt(list.get(arg2).get("key").toString()));
            	bundle.putString("barcode", list.get(arg2).get("barcode").toString());
            }
        });
	}

	private void initViewData() {
		Date publishDate = new Date(item.getPublishDate().getTime());
		this.dp_publishDate.init(publishDate.getYear() + 1900,publishDate.getMonth(), publishDate.getDate(), null);
		this.TV_barcode.setText(item.getBarcode());
		this.TV_barcode.setText(item.getPrice() + "");
		this.ET_barcode.setText(item.getBarcode());
		this.spinner_itemType.setSelection(0);
		byte[] photo_data = new byte[0];
		Bitmap photo = BitmapFactory.decodeByteArray(photo_data, 0,photo_data.length);
		this.iv_photo.setImageBitmap(photo);
		BitmapFactory.Options photo_opts = new BitmapFactory.Options();  
		photo_opts.inJustDecodeBounds = true;  
		BitmapFactory.decodeByteArray(photo_data, 0, photo_data.length, photo_opts); 
		photo_opts.inSampleSize = computeSampleSize(photo_opts, -1, 100*100); 
		photo_opts.inJustDecodeBounds = false; 
		Map<String, Object> map = new HashMap<String, Object>();
		map.put("photo", BitmapFactory.decodeByteArray(photo_data, 0, photo_data.length, photo_opts));
	}

	private OnCreateContextMenuListener itemListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "edit"); 
			menu.add(0, 1, 0, "delete");
		}
	};

	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			int position = contextMenuInfo.position;
			barcode = list.get(position).get("barcode").toString();
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	protected void dialog() {
		Builder builder = new Builder(ScreenApiProbe.this);
		builder.setMessage("sure?");
		builder.setTitle("hint");
		builder.setPositiveButton("ok", new DialogInterface.OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				Toast.makeText(getApplicationContext(), "", 1).show();
				dialog.dismiss();
			}
		});
		builder.setNegativeButton("cancel", new DialogInterface.OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				dialog.dismiss();
			}
		});
		builder.create().show();
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "add");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			ScreenApiProbe.this.finish();
		}
		return true; 
	}

	@Override
	protected void onActivityResult(int requestCode, int resultCode, Intent data) {
		super.onActivityResult(requestCode, resultCode, data);
		if (requestCode == REQ_CODE_CAMERA_photo  && resultCode == Activity.RESULT_OK) {
			BitmapFactory.Options opts = new BitmapFactory.Options();
			opts.inJustDecodeBounds = true;
			BitmapFactory.decodeFile(carmera_path, opts); 
			opts.inSampleSize = computeSampleSize(opts, -1, 300*300);
			opts.inJustDecodeBounds = false;
			try {
				Bitmap booImageBm = BitmapFactory.decodeFile(carmera_path, opts);
				try {
					FileOutputStream jpgOutputStream = new FileOutputStream("/sdcard/x.jpg");
					booImageBm.compress(Bitmap.CompressFormat.JPEG, 30, jpgOutputStream);
					File bmpFile = new File(carmera_path);
					bmpFile.delete();
				} catch (FileNotFoundException e) {
					e.printStackTrace();
				} 
				this.iv_photo.setImageBitmap(booImageBm);
				this.iv_photo.setScaleType(ScaleType.FIT_CENTER);
			} catch (OutOfMemoryError err) {  }
		}
		if(requestCode == REQ_CODE_SELECT_IMAGE_photo && resultCode == Activity.RESULT_OK) {
			Bundle bundle = data.getExtras();
			String filename =  bundle.getString("fileName");
			item.setPhoto(filename); 
		}
	}

	// The list adapter's forms.
	static class ItemSimpleAdapter extends SimpleAdapter {
		private int[] mTo;
		private String[] mFrom;
		private List<? extends Map<String, ?>> mData; 
		private LayoutInflater mInflater;
		Context context = null;

		public ItemSimpleAdapter(Context context, List<? extends Map<String, ?>> data, int resource, String[] from, int[] to) { 
			super(context, data, resource, from, to); 
			mTo = to; 
			mFrom = from; 
			mData = data;
			mInflater = (LayoutInflater) context.getSystemService(Context.LAYOUT_INFLATER_SERVICE);
			this.context= context;
		} 

		public View getView(int position, View convertView, ViewGroup parent) { 
			ViewHolder holder = null; 
			if (convertView == null) {
				convertView = mInflater.inflate(11, null);
				holder = new ViewHolder();
				holder.iv_photo = (ImageView)convertView.findViewById(12);
				holder.tv_barcode = (TextView)convertView.findViewById(13);
				convertView.setTag(holder);
			}else{
				holder = (ViewHolder)convertView.getTag();
			}
			holder.iv_photo.setImageBitmap((Bitmap)mData.get(position).get("photo"));
			holder.tv_barcode.setText(mData.get(position).get("barcode").toString());
			return convertView; 
		} 

		static class ViewHolder{ 
			ImageView iv_photo;
			TextView tv_barcode;
		}
	}
}
