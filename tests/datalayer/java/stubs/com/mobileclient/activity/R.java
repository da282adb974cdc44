package com.mobileclient.activity;

/* The resource ids the demo project's list adapters and book detail screen look up (images from
   0x7f020000, buttons from 0x7f050000). */
public final class R {
	public static final class layout {
		public static final int booktype_list_item = 0x7f030001;
		public static final int book_list_item = 0x7f030002;
		public static final int reader_list_item = 0x7f030003;
		public static final int loan_list_item = 0x7f030004;
		public static final int book_detail = 0x7f030005;
	}

	public static final class drawable {
		public static final int noimage = 0x7f040001;
	}

	public static final class id {
		public static final int tv_typeId = 0x7f010001;
		public static final int tv_typeName = 0x7f010002;
		public static final int tv_barcode = 0x7f010003;
		public static final int tv_bookName = 0x7f010004;
		public static final int tv_bookType = 0x7f010005;
		public static final int tv_price = 0x7f010006;
		public static final int tv_readerNo = 0x7f010007;
		public static final int tv_readerName = 0x7f010008;
		public static final int tv_telephone = 0x7f010009;
		public static final int tv_loanId = 0x7f01000a;
		public static final int tv_book = 0x7f01000b;
		public static final int tv_reader = 0x7f01000c;
		public static final int tv_borrowDate = 0x7f01000d;
		public static final int TV_barcode = 0x7f01000e;
		public static final int TV_bookName = 0x7f01000f;
		public static final int TV_bookType = 0x7f010010;
		public static final int TV_price = 0x7f010011;
		public static final int TV_count = 0x7f010012;
		public static final int TV_publishDate = 0x7f010013;
		public static final int TV_publish = 0x7f010014;
		public static final int TV_introduction = 0x7f010015;
		public static final int iv_bookPhoto = 0x7f020001;
		public static final int btnReturn = 0x7f050001;
	}
}
