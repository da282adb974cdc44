package android.content;

import android.os.Bundle;

public class Intent {
	private Bundle extras;

	public Intent putExtras(Bundle extras) {
		this.extras = extras;
		return this;
	}

	public Bundle getExtras() {
		return extras;
	}
}
