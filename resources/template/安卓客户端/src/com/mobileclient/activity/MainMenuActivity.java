package com.mobileclient.activity;

import android.app.Activity;
import android.content.Intent;
import android.os.Bundle;
import android.view.View;
import android.view.View.OnClickListener;

// Ö÷²Ëµ¥
public class MainMenuActivity extends Activity {
$First
$Third
	@Override
	public void onCreate(Bundle savedInstanceState) {
		super.onCreate(savedInstanceState);
	}

	void bind(View view, int position) {
		switch (position) {
$Second
		}
	}
}
