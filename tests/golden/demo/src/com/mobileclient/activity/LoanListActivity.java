package com.mobileclient.activity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import com.mobileclient.app.Declare;
import com.mobileclient.domain.Loan;
import com.mobileclient.service.LoanService;
import com.mobileclient.util.LoanSimpleAdapter;
import com.mobileclient.util.HttpUtil;
import com.mobileclient.util.ImageService;

import android.app.Activity;
import android.app.AlertDialog.Builder;
import android.content.DialogInterface;
import android.content.Intent;
import android.content.DialogInterface.OnClickListener;
import android.graphics.Bitmap;
import android.graphics.BitmapFactory;
import android.os.Bundle;
import android.view.ContextMenu;
import android.view.Menu;
import android.view.MenuItem;
import android.view.View;
import android.view.ContextMenu.ContextMenuInfo;
import android.view.View.OnCreateContextMenuListener;
import android.widget.AdapterView;
import android.widget.AdapterView.OnItemClickListener;
import android.widget.ListView;
import android.widget.Toast;
import android.widget.AdapterView.AdapterContextMenuInfo;

public class LoanListActivity extends Activity {
	LoanSimpleAdapter adapter;
	ListView lv; 
	List<Map<String, Object>> list;
	int loanId;
	/* 借阅记录操作业务逻辑层对象 */
	LoanService loanService = new LoanService();
	/*保存查询参数条件的借阅记录对象*/
	private Loan queryConditionLoan;

	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
		setContentView(R.layout.loan_list);
		Declare declare = (Declare) getApplicationContext();
		String username = declare.getUserName();
		if (username == null) {
			setTitle("当前位置--借阅记录列表");
		} else {
			setTitle("您好：" + username + "   当前位置---借阅记录列表");
		}
		Bundle extras = this.getIntent().getExtras();
		if(extras != null) 
			queryConditionLoan = (Loan)extras.getSerializable("queryConditionLoan");
		setViews();
	}

	private void setViews() {
		lv = (ListView) findViewById(R.id.h_list_view);
		list = getDatas();
		try {
			adapter = new LoanSimpleAdapter(this, list,
					R.layout.loan_list_item,
					new String[] { "loanId","book","reader","borrowDate" },
					new int[] { R.id.tv_loanId,R.id.tv_book,R.id.tv_reader,R.id.tv_borrowDate});
			lv.setAdapter(adapter);
		} catch (Exception ex) {
			System.out.println(ex.toString());
		}
		// 添加长按点击
		lv.setOnCreateContextMenuListener(loanListItemListener);
		lv.setOnItemClickListener(new OnItemClickListener(){
            public void onItemClick(AdapterView<?> arg0, View arg1, int arg2,long arg3) {
            	int loanId = Integer.parseInt(list.get(arg2).get("loanId").toString());
            	Intent intent = new Intent();
            	intent.setClass(LoanListActivity.this, LoanDetailActivity.class);
            	Bundle bundle = new Bundle();
            	bundle.putInt("loanId", loanId);
            	intent.putExtras(bundle);
            	startActivity(intent);
            }
        });
	}
	private OnCreateContextMenuListener loanListItemListener = new OnCreateContextMenuListener() {
		public void onCreateContextMenu(ContextMenu menu, View v,ContextMenuInfo menuInfo) {
			menu.add(0, 0, 0, "编辑借阅记录信息"); 
			menu.add(0, 1, 0, "删除借阅记录信息");
		}
	};

	// 长按菜单响应函数
	@Override
	public boolean onContextItemSelected(MenuItem item) {
		if (item.getItemId() == 0) {  //编辑借阅记录信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取借阅编号
			loanId = Integer.parseInt(list.get(position).get("loanId").toString());
			Intent intent = new Intent();
			intent.setClass(LoanListActivity.this, LoanEditActivity.class);
			Bundle bundle = new Bundle();
			bundle.putInt("loanId", loanId);
			intent.putExtras(bundle);
			startActivity(intent);
			LoanListActivity.this.finish();
		} else if (item.getItemId() == 1) {// 删除借阅记录信息
			ContextMenuInfo info = item.getMenuInfo();
			AdapterContextMenuInfo contextMenuInfo = (AdapterContextMenuInfo) info;
			// 获取选中行位置
			int position = contextMenuInfo.position;
			// 获取借阅编号
			loanId = Integer.parseInt(list.get(position).get("loanId").toString());
			dialog();
		}
		return super.onContextItemSelected(item);
	}

	// 删除
	protected void dialog() {
		Builder builder = new Builder(LoanListActivity.this);
		builder.setMessage("确认删除吗？");
		builder.setTitle("提示");
		builder.setPositiveButton("确认", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				String result = loanService.DeleteLoan(loanId);
				Toast.makeText(getApplicationContext(), result, 1).show();
				setViews();
				dialog.dismiss();
			}
		});
		builder.setNegativeButton("取消", new OnClickListener() {
			public void onClick(DialogInterface dialog, int which) {
				dialog.dismiss();
			}
		});
		builder.create().show();
	}

	private List<Map<String, Object>> getDatas() {
		List<Map<String, Object>> list = new ArrayList<Map<String, Object>>();
		try {
			/* 查询借阅记录信息 */
			List<Loan> loanList = loanService.QueryLoan(queryConditionLoan);
			for (int i = 0; i < loanList.size(); i++) {
				Map<String, Object> map = new HashMap<String, Object>();
				map.put("loanId", loanList.get(i).getLoanId());
				map.put("book", loanList.get(i).getBook());
				map.put("reader", loanList.get(i).getReader());
				map.put("borrowDate", loanList.get(i).getBorrowDate());
				list.add(map);
			}
		} catch (Exception e) { 
			Toast.makeText(getApplicationContext(), HttpUtil.errorText(e), 1).show();
		}
		return list;
	}

	@Override
	public boolean onCreateOptionsMenu(Menu menu) {
		menu.add(0, 1, 1, "添加借阅记录");
		menu.add(0, 2, 2, "查询借阅记录");
		menu.add(0, 3, 3, "返回主界面");
		return super.onCreateOptionsMenu(menu);
	}

	@Override
	public boolean onOptionsItemSelected(MenuItem item) {
		if (item.getItemId() == 1) {
			// 添加借阅记录信息
			Intent intent = new Intent();
			intent.setClass(LoanListActivity.this, LoanAddActivity.class);
			startActivity(intent);
			LoanListActivity.this.finish();
		} else if (item.getItemId() == 2) {
			/*查询借阅记录信息*/
			Intent intent = new Intent();
			intent.setClass(LoanListActivity.this, LoanQueryActivity.class);
			startActivity(intent);
			LoanListActivity.this.finish();
		} else if (item.getItemId() == 3) {
			/*返回主界面*/
			Intent intent = new Intent();
			intent.setClass(LoanListActivity.this, MainMenuActivity.class);
			startActivity(intent);
			LoanListActivity.this.finish();
		}
		return true; 
	}
}
