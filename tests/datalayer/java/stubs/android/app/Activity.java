package android.app;

import android.content.Context;
import android.content.Intent;
import android.os.Bundle;
import android.view.View;

/* A screen whose views are made on first lookup (see View); it remembers its title, its layout
   and whether it finished. */
public class Activity extends Context {
	private final View root = new View();
	private Intent intent = new Intent();
	private CharSequence title;
	private int layout;
	private boolean finishing;

	public Activity() {
		super(null);
	}

	protected void onCreate(Bundle savedInstanceState) {
	}

	public Intent getIntent() {
		return intent;
	}

	public void setIntent(Intent newIntent) {
		intent = newIntent;
	}

	public void setTitle(CharSequence title) {
		this.title = title;
	}

	public final CharSequence getTitle() {
		return title;
	}

	public void setContentView(int layoutResID) {
		layout = layoutResID;
	}

	public <T extends View> T findViewById(int id) {
		@SuppressWarnings("unchecked")
		T view = (T) root.findViewById(id);
		return view;
	}

	public void finish() {
		finishing = true;
	}

	public boolean isFinishing() {
		return finishing;
	}
}
