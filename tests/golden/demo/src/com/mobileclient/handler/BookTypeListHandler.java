package com.mobileclient.handler;
import java.sql.Timestamp;
import java.util.ArrayList;
import java.util.List;

import org.xml.sax.Attributes;
import org.xml.sax.SAXException;
import org.xml.sax.helpers.DefaultHandler;

import com.mobileclient.domain.BookType;
public class BookTypeListHandler extends DefaultHandler {
	private List<BookType> bookTypeList = null;
	private BookType bookType;
	private String tempString;
	private StringBuilder valueBuffer = new StringBuilder();
	@Override
	public void characters(char[] ch, int start, int length) throws SAXException {
		super.characters(ch, start, length);
		if (bookType != null) { 
            valueBuffer.append(ch, start, length); 
        } 
	}

	@Override
	public void endElement(String uri, String localName, String qName) throws SAXException {
		super.endElement(uri, localName, qName);
		if (bookType != null) { 
            String valueString = valueBuffer.toString(); 
            if ("typeId".equals(tempString) && valueString.length() > 0) 
            	bookType.setTypeId(new Integer(valueString).intValue());
            else if ("typeName".equals(tempString)) 
            	bookType.setTypeName(valueString); 
            else if ("borrowDays".equals(tempString) && valueString.length() > 0) 
            	bookType.setBorrowDays(new Integer(valueString).intValue());
        } 
		if("BookType".equals(localName)&&bookType!=null){
			bookTypeList.add(bookType);
			bookType = null; 
		}
		tempString = null;
	}

	@Override
	public void startDocument() throws SAXException {
		super.startDocument();
		bookTypeList = new ArrayList<BookType>();
	}

	@Override
	public void startElement(String uri, String localName, String qName,Attributes attributes) throws SAXException {
		super.startElement(uri, localName, qName, attributes);
        if ("BookType".equals(localName)) {
            bookType = new BookType(); 
        }
        tempString = localName; 
        valueBuffer.setLength(0);
	}

	public List<BookType> getBookTypeList() {
		return this.bookTypeList;
	}
}
